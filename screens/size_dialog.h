// The size dialog: the child chooses a puzzle of 20 or of 48 pieces.
//
// It opens from the welcome dialog's "ok" (its second effect), so it is
// seen at most once per run and only while the settings ask for the
// welcome; opening it clears that wish for the next start.  The title sinks
// into place while the two buttons glide towards the middle; a choice (a
// click, or Return for the 20-piece puzzle) closes the page and builds the
// puzzle screen and the first board.  There is no cancel.
//
// The main menu's size bird uses switchToSmallPuzzle / switchToBigPuzzle:
// the same picture is rebuilt with the other number of pieces, through the
// board's usual way out.
#pragma once

// Welcome "ok": click or Return: push the size page.
void showSizeDialog();

// The two buttons: click or Return: the size, the puzzle screen, the first board.
void smallPuzzleClick();
void bigPuzzleClick();

// Slides of the title (down 8.5) and the buttons (17 to the middle) in 1000 ms.
void sizeTitleSlide();
void sizeButtonSlideRight();
void sizeButtonSlideLeft();

// The main menu's switches: the other size for the picture on screen.
void switchToSmallPuzzle();
void switchToBigPuzzle();
