// Completion: when the last piece has dropped in, the picture is marked
// done in the settings, the fanfare plays, and the board is replaced by the
// finished picture while the whole puzzle screen zooms up to 1.6 times its
// size.  A finished picture stays finished, across runs too, until the
// child breaks it; whenever it is visited it is shown finished and zooms up
// again.  Leaving it first zooms the screen back down, then shows the next
// board.
//
// The zoom lives on two tracks of puzzleScreen that buildPuzzleScreen makes
// (0: in, 1: out); the finished picture's board carries one track 0 that
// starts the zoom out, so leaving works the same for every board.  Both
// zooms keep the growth already applied in d0 and add only the difference,
// so a zoom out that overlaps a zoom in still ends at scale 1.
#pragma once

// The last piece has landed: fanfare, completed flag, the finished picture.
void completePicture();

// The finished-picture branch of showPicture, into the new empty board.
void showFinishedPicture();

// puzzleScreen track 0, 1300 ms: x and y scale grow by 0.6 in 1200 ms.
void screenZoomInAction(void* arg);

// puzzleScreen track 1, 1000 ms: shrink by 0.6 in 800 ms, then the next board.
void screenZoomOutAction(void* arg);

// Board track 0 of a finished picture: finish, start the zoom out.
void startScreenTrack1(void* arg);
