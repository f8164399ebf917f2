// Web links: the addresses of the maker's pages and the two main-menu
// effects that open them.  Opening a page ends the game, its settings saved
// first, so the child is not left with a game behind the browser.
//
// The maker's host, the game's identifier and version, and the three other
// products advertised on the menu's tiles are one table of constants in
// web_links.cpp; nothing else in the game names them.
#pragma once

#include <string>

constexpr int OTHER_PRODUCT_COUNT = 3;

// The maker's home page, tagged with where the visit came from.
std::string homePageAddress();

// The page of other product i (0..2); the home page for any other i.
std::string productPageAddress(int i);

// Main menu "visit": click: open the home page, save, end the game.
void openHomePageClick();

// Product tile `number`: click: open that product's page, save, end the game.
void openProductPageClick();
