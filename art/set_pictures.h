// The three picture sets beyond the ten: a farm set, a sea set and a space
// set of ten pictures each.
//
// Each is drawn like the ten (pictures.h): cairo in drawing units, x 0..20
// and y 0..12 with y pointing down, in the same ink, outline widths,
// gradients and friendly faces, so `drawPictureWith` scales any of them onto
// a canvas.  Every picture is a scene of its own that a child tells from the
// others at a glance, with one friendly character or thing big in it, and
// readable cut into 6 pieces as well as into 48.
//
// The archives that carry them are written by picture_archives.cpp from the
// game's set table; this file only says how each picture looks.
#pragma once

#include "art/pictures.h"

constexpr int SET_PICTURE_COUNT = 10; // pictures in each set

// One set's drawers, in the order the game walks them.
extern const PictureDrawer FARM_SET_DRAWERS[SET_PICTURE_COUNT];
extern const PictureDrawer SEA_SET_DRAWERS[SET_PICTURE_COUNT];
extern const PictureDrawer SPACE_SET_DRAWERS[SET_PICTURE_COUNT];
