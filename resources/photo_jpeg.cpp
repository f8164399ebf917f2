// Photo JPEGs: libjpeg's decompressor with its error exit turned into a
// jump back to the caller, reading at a scale and a few rows at a time.
#include "resources/photo_jpeg.h"

// jpeglib.h wants FILE and size_t declared before it.
#include <csetjmp>
#include <cstdio>
#include <new>

#include <jpeglib.h>

#include "resources/photo_probe.h"

// libjpeg's records, and where a damaged file jumps back to.
struct JpegReaderState {
    jpeg_decompress_struct decoder;
    jpeg_error_mgr errors;
    std::jmp_buf failed; // set by each function below before it calls libjpeg
};

namespace {

// Rows asked of libjpeg in one call.
constexpr int ROWS_PER_CALL = 16;

// libjpeg's error exit: back to the function that called it.
[[noreturn]] void jumpBack(j_common_ptr common) {
    JpegReaderState* state = reinterpret_cast<JpegReaderState*>(common->client_data);
    std::longjmp(state->failed, 1);
}

// Warnings and traces: nothing on stderr (the photo folder prints its own line).
void keepQuiet(j_common_ptr) {}

// The rows loop of readJpegRows, below its jump point: what the loop
// changes lives in this frame, which a longjmp leaves behind.
bool readRows(JpegReader& reader, uint8_t* rows, size_t stride, int count) {
    JSAMPROW pointers[ROWS_PER_CALL];
    while (count > 0) {
        int ask = count < ROWS_PER_CALL ? count : ROWS_PER_CALL;
        for (int i = 0; i < ask; i++) pointers[i] = rows + (size_t)i * stride;
        int got = (int)jpeg_read_scanlines(&reader.state->decoder, pointers, (JDIMENSION)ask);
        if (got <= 0) return false; // in-memory input never suspends: nothing came
        rows += (size_t)got * stride;
        count -= got;
        reader.nextRow += got;
    }
    return true;
}

} // namespace

// NOTE: each function that calls setjmp keeps only plain locals (pointers
// and numbers), set before the jump point and never changed after it, so a
// longjmp back skips no destructor and finds every local as it was.

bool openJpeg(JpegReader& reader, const uint8_t* data, size_t size) {
    closeJpeg(reader);
    if (!data || size < 2 || size > (unsigned long)-1) return false;
    JpegReaderState* state = new (std::nothrow) JpegReaderState();
    if (!state) return false;
    reader.state = state;
    state->decoder.err = jpeg_std_error(&state->errors);
    state->errors.error_exit = jumpBack;
    state->errors.output_message = keepQuiet;
    state->decoder.client_data = state; // kept by jpeg_create_decompress
    if (setjmp(state->failed)) return false;
    jpeg_create_decompress(&state->decoder);
    // libjpeg's own whole-image buffers (progressive files) stay in the budget too.
    state->decoder.mem->max_memory_to_use = (long)PHOTO_DECODE_BUDGET;
    jpeg_mem_src(&state->decoder, data, (unsigned long)size);
    if (jpeg_read_header(&state->decoder, TRUE) != JPEG_HEADER_OK) return false;
    J_COLOR_SPACE colours = state->decoder.jpeg_color_space;
    reader.usable = colours == JCS_GRAYSCALE || colours == JCS_YCbCr || colours == JCS_RGB;
    reader.width = (int)state->decoder.image_width;
    reader.height = (int)state->decoder.image_height;
    return reader.width > 0 && reader.height > 0;
}

bool startJpeg(JpegReader& reader, int eighths) {
    JpegReaderState* state = reader.state;
    if (!state || !reader.usable || eighths < 1 || eighths > 8) return false;
    if (setjmp(state->failed)) return false;
    state->decoder.scale_num = (unsigned int)eighths;
    state->decoder.scale_denom = 8;
    state->decoder.out_color_space = JCS_EXT_RGBX;
    if (!jpeg_start_decompress(&state->decoder)) return false;
    reader.width = (int)state->decoder.output_width;
    reader.height = (int)state->decoder.output_height;
    reader.nextRow = 0;
    return state->decoder.output_components == 4 && reader.width > 0 && reader.height > 0;
}

bool cropJpegColumns(JpegReader& reader, int& first, int& count) {
    JpegReaderState* state = reader.state;
    if (!state || reader.nextRow != 0 || first < 0 || count < 1 || first + count > reader.width)
        return false;
    if (setjmp(state->failed)) return false;
    JDIMENSION* xoffset = reinterpret_cast<JDIMENSION*>(&first);
    JDIMENSION* width = reinterpret_cast<JDIMENSION*>(&count);
    jpeg_crop_scanline(&state->decoder, xoffset, width);
    reader.width = (int)state->decoder.output_width;
    return true;
}

bool skipJpegRows(JpegReader& reader, int count) {
    JpegReaderState* state = reader.state;
    if (!state || count < 0 || count > reader.height - reader.nextRow) return false;
    if (setjmp(state->failed)) return false;
    if ((int)jpeg_skip_scanlines(&state->decoder, (JDIMENSION)count) != count) return false;
    reader.nextRow += count;
    return true;
}

bool readJpegRows(JpegReader& reader, uint8_t* rows, size_t stride, int count) {
    JpegReaderState* state = reader.state;
    if (!state || count < 0 || count > reader.height - reader.nextRow) return false;
    if (setjmp(state->failed)) return false;
    return readRows(reader, rows, stride, count);
}

void closeJpeg(JpegReader& reader) {
    if (reader.state) {
        jpeg_destroy_decompress(&reader.state->decoder);
        delete reader.state;
    }
    reader = JpegReader();
}
