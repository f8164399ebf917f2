// Photo prefetch: one worker thread making the neighbouring photos ready.
#include "resources/photo_prefetch.h"

#include <SDL/SDL_image.h>

#include <algorithm>

#include "resources/photo_file.h"

PhotoPrefetch thePhotoPrefetch;

namespace {

// Read and make one photo (either thread): from `bytes` when there are any.
bool makePhotoFile(const std::string& path, const std::vector<uint8_t>& bytes, PhotoPictures& out,
                   std::string& why) {
    if (!bytes.empty()) return makePhotoPictures(bytes.data(), bytes.size(), out, why);
    std::vector<uint8_t> read;
    return readPhotoFile(path, read, why) && makePhotoPictures(read.data(), read.size(), out, why);
}

// The first wanted job nobody has started (lock held).
PhotoJob* nextJob(PhotoPrefetch& p) {
    for (PhotoJob* job : p.jobs)
        if (!job->done && job != p.working) return job;
    return nullptr;
}

bool isWanted(const PhotoPrefetch& p, const PhotoJob* job) {
    return std::find(p.jobs.begin(), p.jobs.end(), job) != p.jobs.end();
}

void workerLoop(void*) {
    PhotoPrefetch& p = thePhotoPrefetch;
    std::unique_lock<std::mutex> hold(p.lock);
    for (;;) {
        p.changed.wait(hold, [&p] { return p.stopping || nextJob(p) != nullptr; });
        if (p.stopping) return;
        PhotoJob* job = nextJob(p);
        p.working = job;
        std::string path = job->path;
        std::vector<uint8_t> bytes = job->bytes; // the job may be dropped meanwhile
        hold.unlock();
        PhotoPictures pictures;
        std::string why;
        bool made = makePhotoFile(path, bytes, pictures, why);
        hold.lock();
        p.working = nullptr;
        ++p.madeCount;
        if (!isWanted(p, job)) {
            delete job; // dropped while it was being made
        } else {
            job->done = true;
            job->made = made;
            job->why = why;
            job->pictures = std::move(pictures);
        }
        p.changed.notify_all();
    }
}

// The worker, started once per run of it (decoders loaded here first).
void startWorker(PhotoPrefetch& p) {
    if (workerThreadRunning(p.worker)) return;
    IMG_Init(IMG_INIT_JPG | IMG_INIT_PNG);
    p.stopping = false;
    startWorkerThread(p.worker, workerLoop, nullptr);
}

} // namespace

void prefetchPhotos(const std::vector<PhotoSource>& sources) {
    PhotoPrefetch& p = thePhotoPrefetch;
    if (sources.empty() && !workerThreadRunning(p.worker)) return; // no photos: no thread
    startWorker(p);
    std::lock_guard<std::mutex> hold(p.lock);
    std::vector<PhotoJob*> wanted;
    for (const PhotoSource& source : sources) {
        const std::string& path = source.path;
        auto same = [&path](const PhotoJob* job) { return job->path == path; };
        auto kept = std::find_if(p.jobs.begin(), p.jobs.end(), same);
        if (kept != p.jobs.end()) {
            wanted.push_back(*kept);
            p.jobs.erase(kept);
        } else if (std::find_if(wanted.begin(), wanted.end(), same) == wanted.end()) {
            PhotoJob* job = new PhotoJob;
            job->path = path;
            if (source.data) job->bytes.assign(source.data, source.data + source.size);
            wanted.push_back(job);
        }
    }
    for (PhotoJob* job : p.jobs)
        if (job != p.working) delete job; // the worker drops the one it is making
    p.jobs = wanted;
    p.changed.notify_all();
}

bool takePhotoPictures(const PhotoSource& source, PhotoPictures& out, std::string& why) {
    const std::string& path = source.path;
    PhotoPrefetch& p = thePhotoPrefetch;
    std::unique_lock<std::mutex> hold(p.lock);
    auto same = [&path](const PhotoJob* job) { return job->path == path; };
    auto found = std::find_if(p.jobs.begin(), p.jobs.end(), same);
    if (found != p.jobs.end()) {
        PhotoJob* job = *found;
        if (job == p.working) // nearly there: wait rather than make it twice
            p.changed.wait(hold, [&p, job] { return job->done || p.working != job; });
        found = std::find(p.jobs.begin(), p.jobs.end(), job);
        if (found != p.jobs.end() && job->done) {
            p.jobs.erase(found);
            hold.unlock();
            bool made = job->made;
            out = std::move(job->pictures);
            why = job->why;
            delete job;
            return made;
        }
        if (found != p.jobs.end()) { // not started: made here instead
            p.jobs.erase(found);
            delete job;
        }
    }
    hold.unlock();
    if (source.data) return makePhotoPictures(source.data, source.size, out, why);
    return makePhotoFile(path, {}, out, why);
}

bool photoBeingMade(const std::string& path) {
    PhotoPrefetch& p = thePhotoPrefetch;
    std::lock_guard<std::mutex> hold(p.lock);
    for (const PhotoJob* job : p.jobs)
        if (job->path == path) return !job->done;
    return false;
}

void stopPhotoPrefetch() {
    PhotoPrefetch& p = thePhotoPrefetch;
    {
        std::lock_guard<std::mutex> hold(p.lock);
        p.stopping = true;
        p.changed.notify_all();
    }
    joinWorkerThread(p.worker);
    std::lock_guard<std::mutex> hold(p.lock);
    for (PhotoJob* job : p.jobs)
        delete job;
    p.jobs.clear();
    p.stopping = false;
}
