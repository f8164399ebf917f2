// The walk: bundled pictures, then the family's photos.
#include "puzzle/photo_walk.h"

#include "base/photo_progress.h"
#include "base/settings.h"
#include "resources/photo_library.h"
#include "resources/photo_prefetch.h"

namespace {

// The photo of a picture number (valid only for photos).
const PhotoEntry& photoOf(int picture) {
    return thePhotoLibrary.photos[(size_t)(picture - PICTURE_TOTAL)];
}

// The first bundled row cut in `layout`.
int firstRowCut(int layout) {
    for (int row = 0; row < PICTURE_TOTAL; row++)
        if (PICTURE_ROWS[row].cutLayout == layout) return row;
    return 0;
}

} // namespace

int walkLength() {
    return PICTURE_TOTAL + thePhotoLibrary.count();
}

bool isPhotoPicture(int picture) {
    return picture >= PICTURE_TOTAL && picture < walkLength();
}

int cutRowOf(int picture) {
    if (!isPhotoPicture(picture)) return picture >= 0 && picture < PICTURE_TOTAL ? picture : 0;
    return firstRowCut((picture - PICTURE_TOTAL) % CUT_LAYOUT_COUNT);
}

PictureArchives walkArchivesFor(int picture, const PuzzleSizeRow& size) {
    return pictureArchivesFor(cutRowOf(picture), size);
}

bool pictureFinished(int picture) {
    if (isPhotoPicture(picture)) {
        const PhotoEntry& photo = photoOf(picture);
        return thePhotoProgress.isDone(photo.fileName, photo.fileSize);
    }
    return picture >= 0 && picture < PICTURE_TOTAL && theSettings->pictureDone[picture] == 1;
}

void setPictureFinished(int picture, bool finished) {
    if (isPhotoPicture(picture)) {
        const PhotoEntry& photo = photoOf(picture);
        if (finished)
            thePhotoProgress.markDone(photo.fileName, photo.fileSize);
        else
            thePhotoProgress.markUndone(photo.fileName, photo.fileSize);
        savePhotoProgress();
    } else if (picture >= 0 && picture < PICTURE_TOTAL) {
        theSettings->pictureDone[picture] = finished ? 1 : 0;
    }
}

void clearFinishedPictures() {
    for (int32_t& done : theSettings->pictureDone)
        done = 0;
    thePhotoProgress.clear();
    savePhotoProgress();
}

int nextInWalk(int from, int step) {
    int length = walkLength();
    int picture = from;
    for (int tries = 0; tries < length; tries++) {
        picture = ((picture + step) % length + length) % length;
        if (!isPhotoPicture(picture) || !photoOf(picture).broken) return picture;
    }
    return 0;
}

void requestPictureImages(int picture) {
    if (!isPhotoPicture(picture)) withdrawPhotoPictures(thePhotoLibrary);
    std::vector<std::string> paths;
    if (isPhotoPicture(picture) && thePhotoLibrary.offered != picture - PICTURE_TOTAL)
        paths.push_back(thePhotoLibrary.pathOf(picture - PICTURE_TOTAL));
    prefetchPhotos(paths);
}

void prefetchAhead(int picture, int step) {
    int next = nextInWalk(picture, step);
    std::vector<std::string> paths;
    if (isPhotoPicture(next)) paths.push_back(thePhotoLibrary.pathOf(next - PICTURE_TOTAL));
    prefetchPhotos(paths);
}

bool pictureImagesReady(int picture) {
    if (!isPhotoPicture(picture) || photoOf(picture).broken) return true;
    int photo = picture - PICTURE_TOTAL;
    return thePhotoLibrary.offered == photo || !photoBeingMade(thePhotoLibrary.pathOf(photo));
}

bool usePictureImages(int picture) {
    if (!isPhotoPicture(picture)) {
        withdrawPhotoPictures(thePhotoLibrary);
        return true;
    }
    BorrowedArchives borrowed;
    for (const PuzzleSizeRow& size : PUZZLE_SIZES)
        borrowed.pieces.push_back(walkArchivesFor(picture, size).pieces);
    borrowed.picture = PICTURE_ROWS[cutRowOf(picture)].pictureArchive;
    return offerPhotoPictures(thePhotoLibrary, picture - PICTURE_TOTAL, borrowed);
}

int settleOnPicture(int picture, int step) {
    for (int tries = 0; tries < walkLength(); tries++) {
        if (usePictureImages(picture)) return picture;
        picture = nextInWalk(picture, step);
    }
    usePictureImages(0); // every photo failed: the first bundled picture is always there
    return 0;
}
