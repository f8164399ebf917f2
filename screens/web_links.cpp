// Web links: the maker's addresses and the buttons that open them.
#include "screens/web_links.h"

#include "base/platform.h"
#include "scene/scene_object.h"
#include "screens/dialogs.h"
#include "ui/dialog_layer.h"

namespace {

// Everything the game knows about the maker's web site.
struct WebSite {
    const char* host;                               // scheme and host, no path
    const char* productId;                          // this game
    const char* version;                            // this game's version
    const char* productFolder;                      // where the other products' pages live
    const char* otherProducts[OTHER_PRODUCT_COUNT]; // the menu's three tiles, left to right
};

constexpr WebSite MAKER_SITE = {
    "http://example.org",
    "meadow_mosaics",
    "2.0.0",
    "/picture-shelf/",
    {"farmyard_friends", "ocean_treasures", "starry_space"},
};

// The tracking part shared by every address.
std::string visitTags() {
    std::string id = MAKER_SITE.productId;
    return "?utm_source=software&utm_medium=" + id +
           "_win&utm_term=prog&utm_content=" + MAKER_SITE.version + "&utm_campaign=" + id + "_win";
}

} // namespace

std::string homePageAddress() {
    return std::string(MAKER_SITE.host) + "/" + visitTags();
}

std::string productPageAddress(int i) {
    if (i < 0 || i >= OTHER_PRODUCT_COUNT) return homePageAddress();
    return std::string(MAKER_SITE.host) + MAKER_SITE.productFolder + MAKER_SITE.otherProducts[i] +
           "_puzzle/" + visitTags();
}

void openHomePageClick() {
    if (!currentClicked()) return;
    openWebPage(homePageAddress());
    saveSettingsAndQuit();
}

void openProductPageClick() {
    if (!currentClicked()) return;
    openWebPage(productPageAddress(currentAction->number));
    saveSettingsAndQuit();
}
