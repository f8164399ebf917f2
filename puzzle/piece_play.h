// Piece play: what the child does on a board.  Click a loose piece to lift
// it (it rises, pulses, casts a shadow, brightens, makes a sound), then
// click that piece's own place: the piece flies there in a straight line
// while it rises, drops in with a short wobble and stays.  No dragging, no snapping by distance: a
// click on any other place does nothing at all.
//
// buildBoard installs the watchers: every piece has pieceGrabAction (track
// 0), a pulse (track 1) and its fly-in (track 2); every place has
// placeClickAction with its own piece as argument.  Sending a piece adds
// track 3 (the flight) and the flight adds track 4 (the drop) on the fly.
//
// The board's state (heldPiece, heldShadow, placedCount) belongs to
// puzzle_board, and this module changes it only through holdPiece and
// pieceSent; it owns only retireHeldPiece.
//
// How a loose piece looks: a child wears its outline and a soft shadow (a
// child, so neither counts for picking); it goes when the piece lands, so
// placed pieces merge into the picture.  Another child, the cardboard
// back, goes when the fly-in ends (pieceIntroAction's argument).  How a lifted piece looks: it stands LIFTED_PIECE_RISE above
// the loose ones, and its shadow object (at the piece's own origin) wears
// the lifted look from the shadow archive: a larger shadow further off, a
// warm glow round the piece and a veil that brightens its face.  A piece
// that is let go (another one lifted) sinks back; a sent piece flies from
// its raised height up to the same top as before and drops in as before.
//
// NOTE: retireHeldPiece must not outlive its board: a piece sent in the very
// frame its board is left would otherwise retire the first piece lifted on
// the next board, and that picture could never be finished.  buildBoard
// clears it through resetPiecePlay.
#pragma once

#include <string>

struct SceneObject;

// How far a lifted piece stands over the loose ones (the art knows it too).
constexpr double LIFTED_PIECE_RISE = 1.5;
// Entry prefix, in the shadow archives, of what a loose piece wears besides
// its own model: "rest1".."rest48", its soft shadow and its outline.
constexpr const char* PIECE_REST_PREFIX = "rest";
// Entry prefix, in the shadow archives, of a piece's cardboard back: a child
// of the piece while it flies in back first, dropped when it lies face up.
constexpr const char* PIECE_BACK_PREFIX = "back";

extern bool retireHeldPiece; // a piece was sent; its watcher ends at its next run

// The flag back to false (every new board).
void resetPiecePlay();

// A child of piece `name` of the current shadow archive, from the entry
// prefix + name: its outline and soft shadow (PIECE_REST_PREFIX) or its
// back (PIECE_BACK_PREFIX); buildBoard adds both.
SceneObject* newPieceChild(const char* prefix, const std::string& name);

// Piece track 0, endless, i0 = piece number: lift the piece when it is clicked.
void pieceGrabAction(void* arg);

// Piece track 1, 300 ms: width and height swell to 1.2 and back in 200 ms.
void piecePulseAction(void* arg);

// Piece track 2, 1400 ms, arg = the piece's back: from face down at depth -50 to
// face up at 0 in 1300 ms; then the back is dropped.
void pieceIntroAction(void* arg);

// Place track 0, endless, arg = its piece: send the lifted piece when it is its own.
void placeClickAction(void* arg);

// Distance from heldPiece to currentObject in the board's plane, per 700 ms.
double flightSpeed();

// Piece track 3, 800 ms: straight to the place and 5 units up in 700 ms.
void pieceFlyAction(void* arg);

// Piece track 4, 500 ms: drop onto the place with a wobble; the last one completes.
void pieceSettleAction(void* arg);
