#include "art/pictures.h"
void drawSea(cairo_t* cr) { drawMeadow(cr); }
void drawSpace(cairo_t* cr) { drawMeadow(cr); }
void drawBeach(cairo_t* cr) { drawMeadow(cr); }
void drawForest(cairo_t* cr) { drawMeadow(cr); }
void drawSnowman(cairo_t* cr) { drawMeadow(cr); }
