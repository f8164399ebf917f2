// The size dialog: the child chooses a puzzle of 6, 12, 20 or 48 pieces.
//
// It opens from the welcome dialog's "ok" (its second effect), so it is
// seen at most once per run and only while the settings ask for the
// welcome; opening it clears that wish for the next start.  The title sinks
// into place while one card per size (PUZZLE_SIZES, each where its row puts
// it, two by two) glides in from its side; a choice (a click, or Return for
// the 20-piece puzzle) closes the page and builds the puzzle screen and the
// first board.  There is no cancel.
//
// The main menu's size cards use switchPuzzleSize: the same picture is
// rebuilt with another number of pieces, through the board's usual way out.
#pragma once

#include <cstdint>

// Welcome "ok": click or Return: push the size page.
void showSizeDialog();

// A size card (`number` = its PUZZLE_SIZES row): a click, or Return on the
// 20-piece card: the size, the puzzle screen, the first board.
void sizeCardClick();

// The page's arrival: the title sinks into place while the cards glide
// towards the middle.
void sizeTitleSlide();
void sizeButtonSlideRight();
void sizeButtonSlideLeft();

// The main menu's switch: the size with settings code `code` for the picture on screen.
void switchPuzzleSize(int32_t code);
