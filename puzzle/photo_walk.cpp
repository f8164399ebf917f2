// The walk: bundled pictures, then the sets' pictures, then the family's photos.
#include "puzzle/photo_walk.h"

#include "base/photo_progress.h"
#include "base/settings.h"
#include "resources/pak_library.h"
#include "resources/photo_library.h"
#include "resources/photo_prefetch.h"

namespace {

// The photo of a picture number (valid only for photos).
const PhotoEntry& photoOf(int picture) {
    return thePhotoLibrary.photos[(size_t)(picture - FIRST_PHOTO_PICTURE)];
}

// The set row of a set picture, and its place in the set.
const PictureSetRow& setRowOf(int picture) {
    return PICTURE_SETS[(picture - FIRST_SET_PICTURE) / SET_SIZE];
}
int indexInSet(int picture) {
    return (picture - FIRST_SET_PICTURE) % SET_SIZE;
}

// The key a set picture is known by: its archive and entry.
std::string setPictureKey(int picture) {
    return std::string(setRowOf(picture).archive) + "/" + setPictureEntry(indexInSet(picture));
}

// The first bundled row cut in `layout`.
int firstRowCut(int layout) {
    for (int row = 0; row < PICTURE_TOTAL; row++)
        if (PICTURE_ROWS[row].cutLayout == layout) return row;
    return 0;
}

// What a made picture is made from.  A set picture's JPEG is borrowed from
// its archive, which holds one reference until releaseSource.
PhotoSource openSource(int picture) {
    if (isPhotoPicture(picture)) return thePhotoLibrary.pathOf(picture - FIRST_PHOTO_PICTURE);
    EntryBytes jpeg =
        thePakLibrary.entryData(setRowOf(picture).archive, setPictureEntry(indexInSet(picture)));
    static const uint8_t NOTHING = 0; // a missing entry: no bytes, and no file read instead
    return PhotoSource(setPictureKey(picture), jpeg.bytes ? jpeg.bytes : &NOTHING, jpeg.size);
}
void releaseSource(int picture) {
    if (isSetPicture(picture)) thePakLibrary.release(setRowOf(picture).archive);
}

// Ask the worker for `picture` when it is a made picture not offered already.
void prefetchMade(int picture) {
    std::vector<PhotoSource> sources;
    bool made = isMadePicture(picture);
    if (made) sources.push_back(openSource(picture));
    if (made && thePhotoLibrary.offered == sources[0].path) sources.clear();
    prefetchPhotos(sources);
    if (made) releaseSource(picture);
}

} // namespace

int walkLength() {
    return FIRST_PHOTO_PICTURE + thePhotoLibrary.count();
}

bool isPhotoPicture(int picture) {
    return picture >= FIRST_PHOTO_PICTURE && picture < walkLength();
}

bool isSetPicture(int picture) {
    return picture >= FIRST_SET_PICTURE && picture < FIRST_PHOTO_PICTURE;
}

bool isMadePicture(int picture) {
    return isSetPicture(picture) || isPhotoPicture(picture);
}

int setOfPicture(int picture) {
    return isSetPicture(picture) ? (picture - FIRST_SET_PICTURE) / SET_SIZE : -1;
}

int firstUnfinishedOfSet(int set) {
    int first = FIRST_SET_PICTURE + set * SET_SIZE;
    for (int picture = first; picture < first + SET_SIZE; picture++)
        if (!pictureFinished(picture)) return picture;
    return first;
}

int cutRowOf(int picture) {
    if (isSetPicture(picture)) return firstRowCut((picture - FIRST_SET_PICTURE) % CUT_LAYOUT_COUNT);
    if (!isPhotoPicture(picture)) return picture >= 0 && picture < PICTURE_TOTAL ? picture : 0;
    return firstRowCut((picture - FIRST_PHOTO_PICTURE) % CUT_LAYOUT_COUNT);
}

PictureArchives walkArchivesFor(int picture, const PuzzleSizeRow& size) {
    return pictureArchivesFor(cutRowOf(picture), size);
}

bool pictureFinished(int picture) {
    if (isPhotoPicture(picture)) {
        const PhotoEntry& photo = photoOf(picture);
        return thePhotoProgress.isDone(photo.fileName, photo.fileSize);
    }
    if (isSetPicture(picture)) return thePhotoProgress.isDone(setPictureKey(picture), 0);
    return picture >= 0 && picture < PICTURE_TOTAL && theSettings->pictureDone[picture] == 1;
}

void setPictureFinished(int picture, bool finished) {
    if (isMadePicture(picture)) {
        std::string name =
            isPhotoPicture(picture) ? photoOf(picture).fileName : setPictureKey(picture);
        uint64_t size = isPhotoPicture(picture) ? photoOf(picture).fileSize : 0;
        if (finished)
            thePhotoProgress.markDone(name, size);
        else
            thePhotoProgress.markUndone(name, size);
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
    if (!isMadePicture(picture)) withdrawPhotoPictures(thePhotoLibrary);
    prefetchMade(picture);
}

void prefetchAhead(int picture, int step) {
    prefetchMade(nextInWalk(picture, step));
}

bool pictureImagesReady(int picture) {
    if (!isMadePicture(picture) || (isPhotoPicture(picture) && photoOf(picture).broken))
        return true;
    std::string path = isPhotoPicture(picture)
                           ? thePhotoLibrary.pathOf(picture - FIRST_PHOTO_PICTURE)
                           : setPictureKey(picture);
    return thePhotoLibrary.offered == path || !photoBeingMade(path);
}

bool usePictureImages(int picture) {
    if (!isMadePicture(picture)) {
        withdrawPhotoPictures(thePhotoLibrary);
        return true;
    }
    BorrowedArchives borrowed;
    for (const PuzzleSizeRow& size : PUZZLE_SIZES)
        borrowed.pieces.push_back(walkArchivesFor(picture, size).pieces);
    borrowed.picture = PICTURE_ROWS[cutRowOf(picture)].pictureArchive;
    if (isPhotoPicture(picture))
        return offerPhotoPictures(thePhotoLibrary, picture - FIRST_PHOTO_PICTURE, borrowed);
    if (thePhotoLibrary.offered == setPictureKey(picture)) return true; // its archive stays shut
    std::string why;
    bool offered = offerMadePictures(thePhotoLibrary, openSource(picture), borrowed, why);
    releaseSource(picture);
    return offered;
}

int settleOnPicture(int picture, int step) {
    for (int tries = 0; tries < walkLength(); tries++) {
        if (usePictureImages(picture)) return picture;
        picture = nextInWalk(picture, step);
    }
    usePictureImages(0); // every made picture failed: the first bundled picture is always there
    return 0;
}
