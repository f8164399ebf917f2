// meadow_bench photos PHOTO: the family's photos beside the bundled pictures.
//
// PHOTO (a phone-sized JPEG) is linked into the photo folder under 100
// names, the most the game offers, and 1,000 names for the folder scan.
// Printed: the scan of an empty folder and of 1,000 photos; the longest
// frame of a switch onto a bundled picture, onto a set's picture and onto a
// photo (both made ready in the background, as in play) and the time a photo takes when it was not;
// resident memory at the start and at its peak after the photo switches,
// and the most resident memory one photo's making adds.
#include "bench/bench_photos.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/game_main.h"
#include "base/platform.h"
#include "bench/bench_session.h"
#include "puzzle/photo_walk.h"
#include "puzzle/puzzle_board.h"
#include "resources/photo_library.h"
#include "resources/photo_prefetch.h"

namespace {

constexpr int OFFERED_PHOTOS = PHOTO_LIMIT;
constexpr int SCANNED_PHOTOS = 1000;
constexpr int SCAN_RUNS = 7;
constexpr int PHOTO_SWITCHES = 5;
constexpr double LANDING_MS = 2500;
constexpr double SWITCH_WINDOW_MS = 1500; // the neighbour is made ready meanwhile

// `count` names for one photo in `folder` (hard links: one file's bytes).
bool linkPhotos(const std::string& photo, const std::string& folder, int count) {
    if (!makePhotoFolder(folder)) return false;
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "photo_%04d.jpg", i);
        if (link(photo.c_str(), (folder + name).c_str()) != 0) return false;
    }
    return true;
}

// Start the peak resident memory (VmHWM) again from the present.
void resetPeakMemory() {
    std::FILE* refs = std::fopen("/proc/self/clear_refs", "w");
    if (!refs) return;
    std::fputs("5", refs);
    std::fclose(refs);
}

// Median time of scanning `folder`.
double scanMs(const std::string& folder) {
    std::vector<double> times;
    for (int run = 0; run < SCAN_RUNS; ++run) {
        PhotoLibrary library;
        double start = nowMs();
        scanPhotoFolder(folder, library);
        times.push_back(nowMs() - start);
    }
    return median(times);
}

} // namespace

int benchPhotos(const std::string& photo) {
    if (!prepareBenchRun(false)) return 1;
    std::string data = settingsFolder();
    std::string scanFolder = data + "scan_only/";
    if (!linkPhotos(photo, data + PHOTO_FOLDER_NAME, OFFERED_PHOTOS) ||
        !linkPhotos(photo, scanFolder, SCANNED_PHOTOS)) {
        std::fprintf(stderr, "could not link %s into the photo folders\n", photo.c_str());
        return 1;
    }
    report("photo_scan_1000_ms", scanMs(scanFolder));
    report("photo_scan_empty_ms", scanMs(data + "empty/"));

    PhotoPictures pictures;
    std::string why;
    long before = statusKilobytes("VmRSS");
    resetPeakMemory();
    double start = nowMs();
    takePhotoPictures(photo, pictures, why);
    report("photo_make_ms", nowMs() - start);
    // The most the making held at once, beside the three pictures it leaves.
    report("photo_make_transient_kb", statusKilobytes("VmHWM") - before);
    report("photo_kept_kb", statusKilobytes("VmRSS") - before);
    pictures = PhotoPictures();

    if (!startGame()) return 1;
    runFor(LANDING_MS);
    report("photos_rss_start_kb", statusKilobytes("VmRSS"));
    std::vector<double> bundled, sets, photos;
    while (thePuzzle.currentPicture + 1 < PICTURE_TOTAL)
        bundled.push_back(switchToNextPicture(SWITCH_WINDOW_MS, nullptr));
    for (int s = 0; s < PHOTO_SWITCHES; ++s)
        sets.push_back(switchToNextPicture(SWITCH_WINDOW_MS, nullptr));
    showWalkPicture(FIRST_PHOTO_PICTURE - 1); // the last set picture, beside the photos
    runFor(LANDING_MS);
    for (int s = 0; s < PHOTO_SWITCHES; ++s)
        photos.push_back(switchToNextPicture(SWITCH_WINDOW_MS, nullptr));
    report("photos_offered", thePhotoLibrary.count());
    report("hitch_bundled_ms", median(bundled));
    report("hitch_set_ms", median(sets));
    report("hitch_set_worst_ms", maximum(sets));
    report("hitch_photo_ms", median(photos));
    report("hitch_photo_worst_ms", maximum(photos));
    report("photos_peak_kb", statusKilobytes("VmHWM"));
    shutdownGame();
    return 0;
}
