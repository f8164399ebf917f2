// The walk: the pictures the arrows step through, the bundled pictures
// (PICTURE_ROWS) first and then the family's photos (thePhotoLibrary), as
// one run of picture numbers 0 .. walkLength() - 1, going round.
//
// A photo is played with the cut of a bundled picture: it borrows that
// row's archives (tray, pieces, places, shadows, finished-picture and
// preview models), and its own pictures stand in for the row's images
// while it is the current picture (resources/photo_library.h).  Photos take
// the three cut layouts in turn.
//
// Finished flags: a bundled picture's is in the settings file, a photo's in
// the finished-photo file (base/photo_progress.h), written at once.  The
// photos beside the current picture are made ready in the background
// (resources/photo_prefetch.h).
//
// The board module calls these; nothing here keeps state of its own.
#pragma once

#include <cstdint>

#include "puzzle/picture_tables.h"

// Pictures in the walk: the bundled ones and the photos offered.
int walkLength();
// Whether picture number `picture` is one of the family's photos.
bool isPhotoPicture(int picture);
// The PICTURE_ROWS row whose cut and archives picture `picture` is played with.
int cutRowOf(int picture);
// The archives picture `picture` is played from in one size.
PictureArchives walkArchivesFor(int picture, bool big);

bool pictureFinished(int picture);
void setPictureFinished(int picture, bool finished);
void clearFinishedPictures(); // every bundled picture and every photo

// Make `picture`'s images the ones its archives hand out: a photo's are
// decoded and offered (false when it cannot be read), a bundled picture's
// are the archives' own.
bool usePictureImages(int picture);
// The picture `step` (+1 or -1) on from `from`, passing over photos that
// cannot be read; its images are in use.
int stepThroughWalk(int from, int step);
// Start making the photos one step either side of `picture` in the background.
void prefetchAround(int picture);
