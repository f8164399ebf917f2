// Web links: the game's home page and the main-menu button that opens it.
// Opening the page ends the game, its settings saved first, so the child is
// not left with a game behind the browser.
//
// The home page is a build setting (MEADOW_HOME_PAGE, empty by default):
// the game's identifier and version, and the tags every visit carries, are
// one table of constants in web_links.cpp; nothing else in the game names
// an address.  Without a home page the menu shows no "Website" button
// (websiteButtonShown), and the game names no address at all.
#pragma once

#include <string>

// The home page, tagged with where the visit came from; "" without one.
std::string homePageAddress();
// The address `home` (scheme, host and any path, no trailing '/') is opened
// at, tagged; "" for "".
std::string taggedAddress(const std::string& home);

// Whether the main menu shows its "Website" button.
bool websiteButtonShown();

// Main menu "visit": click: open the home page, save, end the game.
void openHomePageClick();
