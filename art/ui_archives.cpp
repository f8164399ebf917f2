// The interface archives: the background, cursor and frame, the buttons, and
// the art of every dialog. Each archive is drawn by its own builder.
#include "art/art_gen.h"
#include "art/ui_archives.h"

// One interface builder.
struct InterfaceStep {
    bool (*build)(const std::string& outDir); // writes its archives into outDir
};

static constexpr InterfaceStep INTERFACE_STEPS[] = {
    {buildInterfaceMy}, {buildButtons},     {buildMainMenu},
    {buildSizeDialog},  {buildHelpDialogs}, {buildSmallDialogs},
};

bool buildInterfaceArchives(const std::string& outDir) {
    for (const InterfaceStep& step : INTERFACE_STEPS)
        if (!step.build(outDir)) return false;
    return true;
}
