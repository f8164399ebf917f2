// Stand-ins for the three sets until their own scenes are drawn.
#include "art/set_pictures.h"

const PictureDrawer SPACE_SET_DRAWERS[SET_PICTURE_COUNT] = {
    drawSpace,  drawSnowman, drawCastle,  drawSpace,  drawSnowman,
    drawCastle, drawSpace,   drawSnowman, drawCastle, drawSpace,
};
