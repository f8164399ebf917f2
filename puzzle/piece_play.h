// Piece play: how the pieces move.  A loose piece flies in from behind the
// tray back first and turns face up; a lifted piece pulses; a sent piece
// flies to its place in a straight line while it rises, then drops in with
// a short wobble and stays; a piece let go away from its place glides to
// where it is to lie and sinks down to the loose ones.  No snapping by
// distance.  (Carrying a piece under the pointer is the board's: it sets
// the piece where the pointer is, every frame.)
//
// Who lifts and sends which piece, and what the board does when its last
// piece lands, is puzzle_board's: it owns the board's state and builds every
// piece with PIECE_TRACKS.  The motions here only read their own actions:
// the fly-in drops the piece's back (`other`), the flight carries the
// place (`goal`), its speed and the lifted look (`other`) to the drop, and
// the drop, once landed, takes its builder's next step (`then`).
//
// How a loose piece looks: a child wears its outline and a soft shadow (a
// child, so neither counts for picking); it goes when the piece lands, so
// placed pieces merge into the picture.  Another child, the cardboard back,
// goes when the fly-in ends.  How a lifted piece looks: it stands
// LIFTED_PIECE_RISE above the loose ones, and its shadow object (at the
// piece's own origin) wears the lifted look from the shadow archive: a
// larger shadow further off, a warm glow round the piece and a veil that
// brightens its face.  A sent piece flies from its raised height up to the
// same top as before and drops in as before.
#pragma once

#include <cstdint>

struct SceneObject;

// How far a lifted piece stands over the loose ones (the art knows it too).
constexpr double LIFTED_PIECE_RISE = 1.5;
// Entry prefix, in the shadow archives, of what a loose piece wears besides
// its own model: "rest1".."rest48", its soft shadow and its outline.
constexpr const char* PIECE_REST_PREFIX = "rest";
// Entry prefix, in the shadow archives, of a piece's cardboard back: a child
// of the piece while it flies in back first, dropped when it lies face up.
constexpr const char* PIECE_BACK_PREFIX = "back";

// A piece's tracks: waiting to be lifted, the pulse, the fly-in, the
// flight to its place, the drop, and the glide of a piece let go elsewhere.
enum PieceTrack : int32_t {
    PIECE_GRAB,
    PIECE_PULSE,
    PIECE_INTRO,
    PIECE_FLY,
    PIECE_SETTLE,
    PIECE_GLIDE
};

// How long each motion takes.  A motion's track lives MOTION_TRACK_SLACK_MS
// longer, so the motion's own last run sees its end and takes its next step.
constexpr double PIECE_PULSE_MS = 200;
constexpr double PIECE_INTRO_MS = 1300;
constexpr double PIECE_FLY_MS = 700;
constexpr double PIECE_SETTLE_MS = 400;
constexpr double PIECE_GLIDE_MS = 250;
constexpr double MOTION_TRACK_SLACK_MS = 100;

// The speed that takes a piece `distance` to its place in the flight's time.
double flightSpeed(double distance);

// Pulse: the lifted piece swells in width and height and back, so the
// child sees which piece answered.
void piecePulseAction();

// Fly-in: from face down behind the tray to face up on the board; then the
// back (`other`) is dropped.
void pieceIntroAction();

// Flight: straight to `goal` at `speed`, rising over the loose pieces; then
// the drop, given the place and the lifted look (`other`).
void pieceFlyAction();

// Drop: onto `goal` with a wobble; the lifted look and the piece's children
// go, and the builder's `then` runs.
void pieceSettleAction();

// Glide: straight to `goal` (z: the loose pieces' height) at an even pace,
// arriving when PIECE_GLIDE_MS have passed.
void pieceGlideAction();

// A glide still under way ends now, the piece at its goal.
void endPieceGlide(SceneObject* piece);
// The fly-in and a glide still under way end now, the piece where they end
// (face up, at its goal): a piece picked up mid-way is carried from there.
void endPieceMotions(SceneObject* piece);
