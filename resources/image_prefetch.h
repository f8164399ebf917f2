// Decoding ahead: the images of the next board, decoded on a worker thread
// while the current board rests, or else while it leaves.
//
// Decoding a picture from PNG takes longer than a frame on a slow machine,
// and a board needs it in the frame that builds it.  When a child walks to
// the next picture, the puzzle screen names the archives the new board will
// draw from (prefetchArchiveImages); a board at rest names the next board
// in the walk's direction the same way, so a switch finds its images
// ready.  They are opened at once on the main thread through
// thePakLibrary, which holds them (one reference each) until the prefetch
// is dropped, and a worker thread decodes every PNG entry into
// a surface in the layout GL is handed.  When the board is built, the
// texture upload takes the surface decoded from those very bytes
// (takePrefetchedImage); one the worker is decoding at that moment is
// waited for (the rest of one decode is never longer than a whole one), one
// it has not reached yet is decoded on the spot.  Start-up uses the same
// path for the first screen's pictures while the window opens.  What is not taken is freed when
// the board stands (dropPrefetchedImages) or a newer prefetch starts.
//
// Threads: the worker touches only the archives' bytes (which never change
// while the references are held) and the surfaces it makes, each handed
// over once finished.  No GL on the worker.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resources/pak_archive.h"

struct SDL_Surface;

// Decode an image entry into the upload layout: R, G, B(, A) bytes in that
// order; null when the bytes are not an image.  Any thread.
SDL_Surface* decodeImage(const EntryBytes& entry);

// Start decoding the archives' PNG entries, in order (dropping an earlier
// prefetch); the same archives asked for again keep the decode under way
// or done.
void prefetchArchiveImages(const std::vector<std::string>& fileNames);
// The surface decoded from exactly these bytes (the caller frees it), or null.
SDL_Surface* takePrefetchedImage(const uint8_t* bytes);
// Stop the worker (after the picture it is on), free what was not taken,
// give the archives back.
void dropPrefetchedImages();
// Surfaces decoded and not yet taken (tests).
int prefetchedImageCount();
// Images the worker has decoded since the program started (tests).
int prefetchDecodeCount();
