// The builders of the interface archives, one per archive file (or a close
// pair of them), run in turn by buildInterfaceArchives (art/art_gen.h).
//
// Each draws its sheets (art/ui_sheet.h) for the places where the game puts
// them: the screen objects 100 units from the eye (background, menu tab,
// button bar), the puzzle frame 40 units away, and the dialogs, whose art
// stands 34.9 units from the eye.
#pragma once

#include <string>

bool buildInterfaceMy(const std::string& outDir); // "interface_my.pak"
bool buildButtons(const std::string& outDir);     // "buttons.pak"
bool buildFocusRing(const std::string& outDir);   // "focus_ring.pak"
bool buildHoldRing(const std::string& outDir);    // "hold_ring.pak"
bool buildMainMenu(const std::string& outDir);    // "main_menu.pak" and "reclama1.pak"
bool buildSizeDialog(const std::string& outDir);  // "select_menu.pak"
bool buildHelpDialogs(const std::string& outDir); // "help_menu.pak"
bool buildSmallDialogs(
    const std::string& outDir); // "about_menu.pak", "exit_menu.pak", "break_menu.pak"
