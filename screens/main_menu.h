// The main menu: a dialog page opened by the bar's "menu" button, with the
// game's options and links.
//
//  - the size bird hops between two spots: 20 pieces (lower) or 48 (upper);
//    a dot marks the spot it does not stand on; a click rebuilds the
//    picture on screen with the other number of pieces;
//  - two bird toggles switch sound effects and music; a switched-on toggle
//    shows "pti4ka", a switched-off one "pti4ka_cl";
//  - about, break-all (restart every picture), the maker's site and three
//    product tiles (web_links); the close button (or Escape) closes it.
//
// A toggle or the size bird is replaced, in the frame it is clicked, by a
// fresh one for the new state; their effects are given the menu page (the
// action's `other`) so the replacement lands on the same page.  Only clicks act here; Escape
// on the close button is the one key.
#pragma once

// Endless click effect of the bar's "menu" button: push the menu page.
void showMainMenu();

// The size bird (`other` = the menu page).
void switchToBigClick();
void switchToSmallClick();

// The sound and music toggles (`other` = the menu page).
void soundOnClick();
void soundOffClick();
void musicOnClick();
void musicOffClick();
