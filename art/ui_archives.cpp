// The interface archives: the background, cursor and frame, the buttons, and
// the art of every dialog. Each archive is drawn by its own builder.
#include "art/art_gen.h"

bool buildInterfaceArchives(const std::string& outDir)
{
    (void)outDir;
    return true;
}
