// art_gen: draws every picture, model and sound of the game and writes the
// .pak archives into the folder named on the command line (the build's game
// folder, beside the program).  Exits non-zero when anything fails, so a
// build never ships half a set of archives.
//
//   art_gen OUTPUT_DIR [TEXT_REPORT]
//       everything, the words in English;
//   art_gen --language LANG LOCALE_DIR OUTPUT_DIR [TEXT_REPORT]
//       only the archives with words, in LANG, from the compiled catalogues
//       under LOCALE_DIR (LOCALE_DIR/LANG/LC_MESSAGES/meadow_mosaics.mo);
//       the build writes them to game/locale/LANG/.
//
// TEXT_REPORT names a file that receives every text drawn, with the box it
// had to fit and the size and line width it got, for the art's tests.
#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "art/art_common.h"
#include "art/art_gen.h"
#include "art/art_language.h"
#include "art/ui_paint.h"

// One builder of archives and the name it reports under.
struct ArtStep {
    const char* name;                      // shown with the timing
    bool (*build)(const std::string& dir); // writes its archives into dir
};

static constexpr ArtStep ART_STEPS[] = {
    {"pictures", buildPictureArchives},
    {"sets", buildSetArchives},
    {"interface", buildInterfaceArchives},
    {"sounds", buildSoundArchives},
};

static constexpr ArtStep LANGUAGE_STEPS[] = {
    {"words", buildTextArchives},
};

// Make the folder (its parent must exist); false with a message when it is not one.
static bool makeOutputFolder(const std::string& dir) {
    mkdir(dir.c_str(), 0755);
    struct stat info;
    if (stat(dir.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) return true;
    std::fprintf(stderr, "art_gen: %s is not a folder\n", dir.c_str());
    return false;
}

// Run the steps in turn, with a timing for each.
template <int N> static bool runSteps(const ArtStep (&steps)[N], const std::string& outDir) {
    double start = artSeconds();
    for (const ArtStep& step : steps) {
        double stepStart = artSeconds();
        if (!step.build(outDir)) {
            std::fprintf(stderr, "art_gen: drawing the %s failed\n", step.name);
            return false;
        }
        std::printf("art_gen: %-9s %6.2f s\n", step.name, artSeconds() - stepStart);
    }
    std::printf("art_gen: all       %6.2f s (%s)\n", artSeconds() - start, artLanguage().c_str());
    return true;
}

// The texts drawn, one tab-separated line each after a header naming the
// language and the font family:
// sheet, box width, box height, size asked, size, outline, line width, bold, text.
static bool writeTextReport(const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "w");
    if (!file) {
        std::fprintf(stderr, "art_gen: cannot write %s\n", path.c_str());
        return false;
    }
    std::fprintf(file, "%s\t%s\n", artLanguage().c_str(), loadedFontFamily().c_str());
    for (const TextRecord& record : textRecords)
        std::fprintf(file, "%s\t%.17g\t%.17g\t%.17g\t%.17g\t%.17g\t%.17g\t%d\t%s\n",
                     record.sheet.c_str(), record.boxWidth, record.boxHeight, record.designSize,
                     record.style.size, record.style.outlineWidth, record.style.wrapWidth,
                     record.style.bold ? 1 : 0, record.text.c_str());
    return std::fclose(file) == 0;
}

int main(int argc, char** argv) {
    std::string first = argc > 1 ? argv[1] : "";
    bool oneLanguage = first == "--language";
    int folderArg = oneLanguage ? 4 : 1;
    if (argc != folderArg + 1 && argc != folderArg + 2) {
        std::fprintf(stderr,
                     "usage: art_gen OUTPUT_DIR [TEXT_REPORT]\n"
                     "       art_gen --language LANG LOCALE_DIR OUTPUT_DIR [TEXT_REPORT]\n");
        return 2;
    }
    std::string outDir = argv[folderArg];
    if (!makeOutputFolder(outDir)) return 1;
    if (oneLanguage && !useArtLanguage(argv[2], argv[3])) return 1;
    if (!initArtFonts(languageFontFamily(artLanguage()))) return 1;
    bool drawn = oneLanguage ? runSteps(LANGUAGE_STEPS, outDir) : runSteps(ART_STEPS, outDir);
    if (!drawn || !recordedTextsFit()) return 1;
    for (const std::string& english : untranslatedArtTexts())
        std::fprintf(stderr, "art_gen: no \"%s\" text for \"%s\"\n", artLanguage().c_str(),
                     english.c_str());
    if (!untranslatedArtTexts().empty()) return 1;
    if (argc == folderArg + 2 && !writeTextReport(argv[folderArg + 1])) return 1;
    return 0;
}
