// The main menu: a dialog page opened by the bar's "menu" button, with the
// game's options and links.
//
//  - one card per puzzle size (its cut on the meadow picture and its
//    number, where its PUZZLE_SIZES row puts it); a bird sits on the
//    chosen one, and a click on another rebuilds the picture on screen
//    with that number of pieces;
//  - two bird toggles switch sound effects and music; a switched-on toggle
//    shows "pti4ka", a switched-off one "pti4ka_cl";
//  - about, break-all (restart every picture), the game's home page
//    (web_links; only when the build names one) and the three set tiles:
//    each closes the menu and shows the first unfinished picture of its
//    set (puzzle/picture_sets.h); the close button (or Escape) closes it.
//
// A toggle or the size cards are replaced, in the frame one is clicked, by
// fresh ones for the new state; their effects are given the menu page (the
// size cards: their holder on it) as the action's `other`, so the
// replacement lands in the same place.  Only clicks act here; Escape on the
// close button is the one key.
#pragma once

// Endless click effect of the bar's "menu" button: push the menu page.
void showMainMenu();

// A size card not chosen (`other` = the cards' holder, `number` = its PUZZLE_SIZES row).
void menuSizeClick();

// A set's tile (`number` = its PICTURE_SETS row): close the menu and show
// the set's first unfinished picture.
void openPictureSetClick();

// The sound and music toggles (`other` = the menu page).
void soundOnClick();
void soundOffClick();
void musicOnClick();
void musicOffClick();
