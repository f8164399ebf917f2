// Photo JPEGs: libjpeg's reader, shrinking while it decodes and handing
// back a few rows at a time.
//
// A phone photo is 12 megapixels or more and the board's picture is 2048 x
// 1024, so decoding it whole only to throw most of it away would cost some
// 50 MB and most of the time.  libjpeg can leave out the fine frequencies
// and decode at k/8 of the size (k = 1..8) for a fraction of the work;
// resources/photo_image.cpp picks the smallest k still at least the
// picture's size and scales the rows it gets here into the picture as they
// come, so no whole-size copy of the photo is ever made.
//
// NOTE: libjpeg reports a damaged file by calling its error handler, which
// must not return.  Ours jumps back (longjmp) into the function of this
// module that called libjpeg; those functions hold only plain locals, so
// no destructor is ever skipped, and they hand the failure on as `false`.
// Warnings (a file cut short is finished in grey) are kept quiet, as
// SDL_image does.
#pragma once

#include <cstddef>
#include <cstdint>

struct JpegReaderState; // libjpeg's records; only resources/photo_jpeg.cpp sees inside

// One JPEG being read: open, choose a scale, then read rows until done.
struct JpegReader {
    JpegReaderState* state = nullptr;
    int width = 0, height = 0; // stored size, then the scaled size once started
    int nextRow = 0;           // rows handed out so far
    bool usable = false;       // a colour model the reader turns into R, G, B bytes
};

// Read the header of a JPEG in memory (the bytes must outlive the reader).
// False when it is not a JPEG libjpeg can read; close the reader either way.
bool openJpeg(JpegReader& reader, const uint8_t* data, size_t size);

// Start decoding at eighths/8 of the stored size (1..8); width and height
// become the size of the rows handed out.
bool startJpeg(JpegReader& reader, int eighths);

// Decode only columns [first, first + count) of each row from now on (of
// the scaled size); libjpeg widens the run to whole blocks and says so
// through `first` and `count`, which width becomes.
bool cropJpegColumns(JpegReader& reader, int& first, int& count);

// Pass over the next `count` rows without making their pixels.
bool skipJpegRows(JpegReader& reader, int count);

// Decode the next `count` rows as R, G, B, X bytes (4 per pixel), rows
// `stride` bytes apart; false when the file turns out to be damaged.
bool readJpegRows(JpegReader& reader, uint8_t* rows, size_t stride, int count);

// Free libjpeg's memory (safe on a reader that failed or never opened).
void closeJpeg(JpegReader& reader);
