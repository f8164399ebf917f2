// art_gen: draws every picture, model and sound of the game and writes the
// .pak archives into the folder named on the command line (the build's game
// folder, beside the program).  Exits non-zero when anything fails, so a
// build never ships half a set of archives.
#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "art/art_common.h"
#include "art/art_gen.h"

// One builder of archives and the name it reports under.
struct ArtStep {
    const char* name;                      // shown with the timing
    bool (*build)(const std::string& dir); // writes its archives into dir
};

static constexpr ArtStep ART_STEPS[] = {
    {"pictures", buildPictureArchives},
    {"interface", buildInterfaceArchives},
    {"sounds", buildSoundArchives},
};

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: art_gen OUTPUT_DIR\n");
        return 2;
    }
    std::string outDir = argv[1];
    mkdir(outDir.c_str(), 0755);
    struct stat info;
    if (stat(outDir.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        std::fprintf(stderr, "art_gen: %s is not a folder\n", outDir.c_str());
        return 1;
    }
    if (!initArtFonts()) return 1;
    double start = artSeconds();
    for (const ArtStep& step : ART_STEPS) {
        double stepStart = artSeconds();
        if (!step.build(outDir)) {
            std::fprintf(stderr, "art_gen: drawing the %s failed\n", step.name);
            return 1;
        }
        std::printf("art_gen: %-9s %6.2f s\n", step.name, artSeconds() - stepStart);
    }
    std::printf("art_gen: all       %6.2f s\n", artSeconds() - start);
    return 0;
}
