// Narrowing an image to the width it is shown at.
//
// A texture sampled at half its width or less on screen costs the
// rasteriser more than one of its shown size (on a software GL most of a
// frame is texture fetches) and looks no sharper: every other column is
// skipped.  Halving the width by averaging pairs of columns keeps the
// picture as it looks, in half the texels.  No GL here.
#pragma once

#include <cstdint>
#include <vector>

// The width an image of `width` columns is narrowed to when it is never
// shown wider than `shownWidth` pixels: halved while the half is still at
// least that wide (and the width even).  No limit (0 or less): `width`.
int narrowedWidth(int width, int shownWidth);

// The columns of an image `width` wide that hold the part of it between
// the fractions seenFirst and seenLast of its width (left to right), and a
// column to spare on each side for the filter: a run of `kept` columns from
// `first`, halved from the whole width while half still holds that part
// (and the width is even), so a power-of-two image stays one, at the art's
// own density.  The run is centred on the part and
// kept inside the image.
void keptColumns(int width, double seenFirst, double seenLast, int& first, int& kept);

// Rows of `width` pixels of `bytesPerPixel` bytes, `pitch` bytes apart,
// narrowed to narrowedWidth(width, shownWidth) columns, each channel the
// rounded mean of the columns it stands for; rows in `out` are packed
// (narrowed width times bytesPerPixel bytes).  Returns the new width.
int narrowImage(const uint8_t* pixels, int width, int height, int pitch, int bytesPerPixel,
                int shownWidth, std::vector<uint8_t>& out);
