// The interface archives: the background, cursor and frame, the buttons, and
// the art of every dialog. Each archive is drawn by its own builder.
#include "art/art_gen.h"
#include "art/ui_archives.h"

// One interface builder.
struct InterfaceStep {
    bool (*build)(const std::string& outDir); // writes its archives into outDir
};

// The archives without words: the same in every language.
static constexpr InterfaceStep PICTURE_STEPS[] = {
    {buildInterfaceMy},
    {buildButtons},
    {buildFocusRing},
    {buildHoldRing},
};

// The archives with words: drawn once per language.
static constexpr InterfaceStep TEXT_ARCHIVE_STEPS[] = {
    {buildMainMenu},
    {buildSizeDialog},
    {buildHelpDialogs},
    {buildSmallDialogs},
};

bool buildTextArchives(const std::string& outDir) {
    for (const InterfaceStep& step : TEXT_ARCHIVE_STEPS)
        if (!step.build(outDir)) return false;
    return true;
}

bool buildInterfaceArchives(const std::string& outDir) {
    for (const InterfaceStep& step : PICTURE_STEPS)
        if (!step.build(outDir)) return false;
    return buildTextArchives(outDir);
}
