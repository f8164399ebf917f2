// Web links: the home page address and the button that opens it.
#include "screens/web_links.h"

#include "base/platform.h"
#include "scene/scene_object.h"
#include "screens/dialogs.h"
#include "ui/dialog_layer.h"

#ifndef MEADOW_HOME_PAGE
#define MEADOW_HOME_PAGE "" // set by the build (CMake's MEADOW_HOME_PAGE)
#endif

namespace {

// Everything the game knows about its home on the web.
struct WebSite {
    const char* home;      // scheme, host and any path, no trailing '/'; "" = none
    const char* productId; // this game
    const char* version;   // this game's version
};

constexpr WebSite GAME_SITE = {MEADOW_HOME_PAGE, "meadow_mosaics", "2.0.0"};

// The tracking part of the address.
std::string visitTags() {
    std::string id = GAME_SITE.productId;
    return "?utm_source=software&utm_medium=" + id +
           "_win&utm_term=prog&utm_content=" + GAME_SITE.version + "&utm_campaign=" + id + "_win";
}

} // namespace

std::string homePageAddress() {
    return taggedAddress(GAME_SITE.home);
}

std::string taggedAddress(const std::string& home) {
    return home.empty() ? "" : home + "/" + visitTags();
}

bool websiteButtonShown() {
    return !homePageAddress().empty();
}

void openHomePageClick() {
    if (!currentClicked() || !websiteButtonShown()) return;
    openWebPage(homePageAddress());
    saveSettingsAndQuit();
}
