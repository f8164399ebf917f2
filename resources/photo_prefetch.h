// Photo prefetch: the photos next to the current picture made ready on a
// worker thread, so stepping onto a photo costs only its upload.
//
// Making a photo's pictures (resources/photo_image.h) takes a few hundred
// milliseconds for a phone photo: far longer than one frame.  The walk asks
// for the photo it lands on, and, once that board rests, for the next one
// in the walk's direction (prefetchPhotos); one worker thread reads and
// makes them, one at a time, and keeps what it made until it is taken
// (takePhotoPictures) or no longer wanted.  A photo not ready when its
// board is due is made then, on the spot (or, while the worker is at it,
// waited for).
//
// At most the wanted photos are kept: two at a time, about 10 MB each.
// Only the worker touches a photo's file and decoders while it runs; the
// caller's thread uploads.  thePhotoPrefetch is owned here; stopPhotoPrefetch
// (shutdown) ends the thread and drops everything.
//
// A picture of a set (puzzle/picture_sets.h) goes the same way: its JPEG's
// bytes, copied out of its archive by the caller's thread, stand in for the
// file, and its key (a name no file has) for the path.
//
// NOTE: SDL_image loads its decoders on first use without a lock; they are
// loaded on the calling thread before the worker starts.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "resources/photo_image.h"
#include "resources/worker_thread.h"

// What a picture is made from: a photo's file, or bytes handed over with a
// key that names them (copied when the job is made).
struct PhotoSource {
    std::string path;              // the file, or the bytes' key
    const uint8_t* data = nullptr; // the bytes themselves, or null: read the file
    size_t size = 0;

    PhotoSource(std::string file) : path(std::move(file)) {}
    PhotoSource(std::string key, const uint8_t* bytes, size_t count)
        : path(std::move(key)), data(bytes), size(count) {}
};

// One photo asked for, and what became of it.
struct PhotoJob {
    std::string path;           // the file, or the key of `bytes`
    std::vector<uint8_t> bytes; // the picture's own bytes, or empty: read the file
    bool done = false;          // made (or failed)
    bool made = false;          // pictures hold the photo
    std::string why;            // what was wrong, when it failed
    PhotoPictures pictures;
};

struct PhotoPrefetch {
    WorkerThread worker;             // started on the first request
    std::mutex lock;                 // guards everything below
    std::condition_variable changed; // a request came, a job finished, or stop
    std::vector<PhotoJob*> jobs;     // owned: wanted photos, made or waiting
    PhotoJob* working = nullptr;     // the job the worker is making now
    bool stopping = false;
    int madeCount = 0; // photos made on the worker (tests)
};

extern PhotoPrefetch thePhotoPrefetch;

// Make these files ready in the background (in this order); photos asked for
// before and not in the list are dropped.
void prefetchPhotos(const std::vector<PhotoSource>& sources);

// The pictures of `source`: the prefetched ones when ready (or being made:
// waited for), else made now.  False with `why` when the photo cannot be made.
bool takePhotoPictures(const PhotoSource& source, PhotoPictures& out, std::string& why);

// Whether `path` is asked for and not made yet (the board waits for it).
bool photoBeingMade(const std::string& path);

// End the worker and drop every job (shutdown, and tests).
void stopPhotoPrefetch();
