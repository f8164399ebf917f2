// Puzzle sizes: a picture's archives and targets in one.
#include "puzzle/puzzle_sizes.h"

PictureArchives pictureArchivesFor(int picture, const PuzzleSizeRow& size) {
    int layout = PICTURE_ROWS[picture].cutLayout;
    return {size.pieceArchives[picture], size.placeArchives[layout], size.shadowArchives[layout],
            PICTURE_ROWS[picture].pictureArchive};
}

TargetSpot pieceTargetFor(const PuzzleSizeRow& size, int layout, int piece) {
    if (layout < 0 || layout >= CUT_LAYOUT_COUNT || piece < 0 || piece >= size.pieces)
        return {0, 0};
    return size.targets[layout][piece];
}
