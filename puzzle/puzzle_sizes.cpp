// Puzzle sizes: finding a row, and a picture's archives in one.
#include "puzzle/puzzle_sizes.h"

int sizeIndexForCode(int32_t code) {
    for (int i = 0; i < PUZZLE_SIZE_COUNT; i++)
        if (PUZZLE_SIZES[i].settingsCode == code) return i;
    return DEFAULT_SIZE_INDEX;
}

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
