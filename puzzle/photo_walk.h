// The walk: the pictures the arrows step through, the bundled pictures
// (PICTURE_ROWS) first, then the pictures of the sets (PICTURE_SETS: the
// farm, sea and space sets, ten each), then the family's photos
// (thePhotoLibrary), as one run of picture numbers 0 .. walkLength() - 1,
// going round.
//
// Set pictures and photos are "made" pictures: each is played with the cut
// of a bundled picture, borrowing that row's archives (tray, pieces,
// places, shadows, finished-picture and preview models), and its own
// pictures, made from its JPEG or file at play time, stand in for the
// row's images while it is the current picture (resources/photo_library.h).
// Made pictures take the three cut layouts in turn.
//
// A photo is made on a worker thread (resources/photo_prefetch.h): asked
// for when the walk reaches it, with the next one in the same direction
// after it.  The board keeps the old board a little longer while a photo is
// being made (pictureImagesReady), so stepping onto a photo costs the frame
// only its upload; a board that cannot wait (the end of the finished
// picture's zoom) has it made on the spot (settleOnPicture).
//
// Finished flags: a bundled picture's is in the settings file; a set
// picture's and a photo's in the finished-photo file (base/photo_progress.h),
// written at once (a set picture under its archive and entry, "set_sea.pak/
// 3.jpg", with size 0: no photo's file name holds a '/').
//
// The board module calls these; nothing here keeps state of its own.
#pragma once

#include <cstdint>

#include "puzzle/picture_sets.h"
#include "puzzle/puzzle_sizes.h"

constexpr int FIRST_SET_PICTURE = PICTURE_TOTAL; // the first set's first picture
constexpr int FIRST_PHOTO_PICTURE = FIRST_SET_PICTURE + SET_PICTURE_TOTAL; // the first photo

// Pictures in the walk: the bundled ones, the sets' and the photos offered.
int walkLength();
// Whether picture number `picture` is one of the family's photos.
bool isPhotoPicture(int picture);
// Whether picture number `picture` belongs to one of the sets.
bool isSetPicture(int picture);
// Whether it is made at play time (a set picture or a photo), not cut by the art.
bool isMadePicture(int picture);
// The set (a PICTURE_SETS row) picture `picture` belongs to, or -1.
int setOfPicture(int picture);
// The first unfinished picture of set `set`, or its first when all are finished.
int firstUnfinishedOfSet(int set);
// The PICTURE_ROWS row whose cut and archives picture `picture` is played with.
int cutRowOf(int picture);
// The archives picture `picture` is played from in one size.
PictureArchives walkArchivesFor(int picture, const PuzzleSizeRow& size);

bool pictureFinished(int picture);
void setPictureFinished(int picture, bool finished);
void clearFinishedPictures(); // every bundled picture, every set picture and every photo

// The picture `step` (+1 or -1) on from `from`, passing over photos already
// found unreadable (nothing is decoded here).
int nextInWalk(int from, int step);
// Ask for `picture`'s images as the walk reaches it: a bundled picture's are
// the archives' own from now; a made picture is made in the background (the
// board waits for it), and nothing else is.
void requestPictureImages(int picture);
// Make the made picture one `step` on from `picture` ready in the background
// (the board asks once it rests, so making it never slows its arrival).
void prefetchAhead(int picture, int step);
// Whether `picture`'s images can be had without waiting for the background.
bool pictureImagesReady(int picture);
// Make `picture`'s images the ones its archives hand out (a made picture's
// made now if the background has not); false when it cannot be read.
bool usePictureImages(int picture);
// `picture`, or the first one `step` on from it whose images can be had;
// its images in use.
int settleOnPicture(int picture, int step);
