// Decoding ahead: image entries into upload-ready surfaces, on a worker
// thread for the next board.
#include "resources/image_prefetch.h"

#include <SDL/SDL.h>
#include <SDL/SDL_image.h>

#include <atomic>
#include <vector>

#include "resources/pak_library.h"
#include "resources/worker_thread.h"

namespace {

// The two pixel layouts handed to GL unchanged: R, G, B(, A) bytes in that
// order.  Masks as SDL describes them on this machine.
#if SDL_BYTEORDER == SDL_BIG_ENDIAN
constexpr Uint32 RED_MASK_RGB = 0xFF0000, GREEN_MASK_RGB = 0x00FF00, BLUE_MASK_RGB = 0x0000FF;
constexpr Uint32 RED_MASK_RGBA = 0xFF000000, GREEN_MASK_RGBA = 0x00FF0000;
constexpr Uint32 BLUE_MASK_RGBA = 0x0000FF00, ALPHA_MASK_RGBA = 0x000000FF;
#else
constexpr Uint32 RED_MASK_RGB = 0x0000FF, GREEN_MASK_RGB = 0x00FF00, BLUE_MASK_RGB = 0xFF0000;
constexpr Uint32 RED_MASK_RGBA = 0x000000FF, GREEN_MASK_RGBA = 0x0000FF00;
constexpr Uint32 BLUE_MASK_RGBA = 0x00FF0000, ALPHA_MASK_RGBA = 0xFF000000;
#endif

// Position of a mask's lowest set bit.
Uint8 maskShift(Uint32 mask) {
    Uint8 shift = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

// The layout GL is told the pixels have, filled in as an SDL format.
SDL_PixelFormat uploadFormat(bool alpha) {
    SDL_PixelFormat format = {};
    format.BitsPerPixel = alpha ? 32 : 24;
    format.BytesPerPixel = alpha ? 4 : 3;
    format.Rmask = alpha ? RED_MASK_RGBA : RED_MASK_RGB;
    format.Gmask = alpha ? GREEN_MASK_RGBA : GREEN_MASK_RGB;
    format.Bmask = alpha ? BLUE_MASK_RGBA : BLUE_MASK_RGB;
    format.Amask = alpha ? ALPHA_MASK_RGBA : 0;
    format.Rshift = maskShift(format.Rmask);
    format.Gshift = maskShift(format.Gmask);
    format.Bshift = maskShift(format.Bmask);
    format.Ashift = maskShift(format.Amask);
    format.Aloss = alpha ? 0 : 8;
    format.alpha = 255;
    return format;
}

// Whether a decoded surface already has the layout GL will be told.
bool hasUploadLayout(const SDL_Surface* surface, const SDL_PixelFormat& want) {
    const SDL_PixelFormat* f = surface->format;
    return f->BitsPerPixel == want.BitsPerPixel && f->BytesPerPixel == want.BytesPerPixel &&
           f->Rmask == want.Rmask && f->Gmask == want.Gmask && f->Bmask == want.Bmask &&
           (want.Amask == 0 || f->Amask == want.Amask);
}

constexpr const char* IMAGE_SUFFIX = ".png";
constexpr Uint32 WORKER_LOOK_MS = 1; // between two looks at the worker's progress

// The prefetch under way or done: the archives it holds, the entries it
// decodes in order and what came of them (null: not an image, or taken).
// The worker writes surfaces[i], then publishes done = i + 1; the main
// thread touches only surfaces below done until it joins the worker.
struct Prefetch {
    std::vector<std::string> archives; // one reference held on each
    std::vector<EntryBytes> entries;
    std::vector<SDL_Surface*> surfaces;
    std::atomic<size_t> done{0};
    std::atomic<bool> stop{false}; // nobody will take the rest
    std::atomic<int> decodes{0};   // images the worker has decoded, ever (tests)
    WorkerThread worker;
};

Prefetch prefetch;

bool endsWith(const std::string& name, const char* suffix) {
    size_t n = std::char_traits<char>::length(suffix);
    return name.size() >= n && name.compare(name.size() - n, n, suffix) == 0;
}

void decodeAll(void* arg) {
    Prefetch* work = static_cast<Prefetch*>(arg);
    for (size_t i = 0; i < work->entries.size(); ++i) {
        if (work->stop.load(std::memory_order_acquire)) return;
        work->surfaces[i] = decodeImage(work->entries[i]);
        work->decodes.fetch_add(1, std::memory_order_relaxed);
        work->done.store(i + 1, std::memory_order_release);
    }
}

void waitForWorker() {
    joinWorkerThread(prefetch.worker);
}

} // namespace

SDL_Surface* decodeImage(const EntryBytes& entry) {
    if (!entry.bytes || entry.size == 0 || entry.size > INT32_MAX) return nullptr;
    SDL_RWops* stream = SDL_RWFromMem(const_cast<uint8_t*>(entry.bytes), (int)entry.size);
    if (!stream) return nullptr;
    SDL_Surface* surface = IMG_Load_RW(stream, 1);
    if (!surface) return nullptr;
    bool alpha = (surface->flags & SDL_SRCALPHA) != 0;
    SDL_PixelFormat want = uploadFormat(alpha);
    if (!hasUploadLayout(surface, want)) {
        // Palette images, BGR orders and the like: GL reads R, G, B(, A).
        SDL_Surface* converted = SDL_ConvertSurface(surface, &want, SDL_SWSURFACE);
        SDL_FreeSurface(surface);
        surface = converted;
    }
    return surface;
}

void prefetchArchiveImages(const std::vector<std::string>& fileNames) {
    // Asked again for what is decoded (or being decoded) already, as when a
    // board rested long enough for the next one's images: nothing to redo.
    if (!fileNames.empty() && fileNames == prefetch.archives) return;
    dropPrefetchedImages();
    // The decoders' own set-up happens here, on this thread, not on two at once.
    IMG_Init(IMG_INIT_PNG);
    for (const std::string& fileName : fileNames) {
        PakArchive* archive = thePakLibrary.open(fileName);
        prefetch.archives.push_back(fileName);
        for (int i = 0; i < archive->entryCount(); ++i)
            if (endsWith(archive->names[(size_t)i], IMAGE_SUFFIX) &&
                archive->textureNames[(size_t)i] == 0)
                prefetch.entries.push_back(archive->blobs[(size_t)i]);
    }
    prefetch.surfaces.assign(prefetch.entries.size(), nullptr);
    prefetch.done.store(0);
    if (!prefetch.entries.empty()) startWorkerThread(prefetch.worker, decodeAll, &prefetch);
}

SDL_Surface* takePrefetchedImage(const uint8_t* bytes) {
    if (!bytes) return nullptr;
    for (size_t i = 0; i < prefetch.entries.size(); ++i) {
        if (prefetch.entries[i].bytes != bytes) continue;
        // The worker is on it now: waiting for the rest of it costs less
        // than starting over.  Not reached yet: the caller decodes it now
        // rather than wait (the worker's copy is freed with the rest).
        while (i == prefetch.done.load(std::memory_order_acquire))
            SDL_Delay(WORKER_LOOK_MS);
        if (i > prefetch.done.load(std::memory_order_acquire)) return nullptr;
        SDL_Surface* surface = prefetch.surfaces[i];
        prefetch.surfaces[i] = nullptr;
        return surface;
    }
    return nullptr;
}

void dropPrefetchedImages() {
    prefetch.stop.store(true, std::memory_order_release);
    waitForWorker();
    prefetch.stop.store(false);
    for (SDL_Surface* surface : prefetch.surfaces)
        SDL_FreeSurface(surface);
    prefetch.surfaces.clear();
    prefetch.entries.clear();
    for (const std::string& archive : prefetch.archives)
        thePakLibrary.release(archive);
    prefetch.archives.clear();
}

int prefetchDecodeCount() {
    waitForWorker();
    return prefetch.decodes.load();
}

int prefetchedImageCount() {
    waitForWorker();
    int count = 0;
    for (SDL_Surface* surface : prefetch.surfaces)
        count += surface != nullptr;
    return count;
}
