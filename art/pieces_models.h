// The puzzle's models and the small textures they wear.
//
// Everything here lies in the x-y plane facing +z, unrotated, in board units
// (the board spans x -10..10, y -6..6):
//   piece   front face at z 0 wearing its part of the picture and side
//           walls down to z -PIECE_DEPTH; modelled around its target spot.
//   back    the cardboard back at z -PIECE_DEPTH, seen while the piece
//           flies in back first (a child of the piece the game drops once
//           it lies face up: hidden under the face, it would only cost).
//   place   the piece's outline on the tray: a light translucent fill with a
//           clear border, blended so the pale picture shows through.
//   rest    what every loose piece wears besides its own model (a child of
//           the piece in the game): a dark rim astride the cut, then a soft
//           shadow that fades out over a pixel or two on the lit side and
//           further on the other, so the edge reads on sky and grass alike
//           and shows no stair-steps where the GL draws without
//           multisampling.  One thin strip, so nothing is drawn (nor paid
//           for) under the piece.
//   shadow  the lifted look, worn by the lifted piece's shadow object at
//           the piece's own origin: a larger, softer shadow on the ground
//           below the raised piece, a light glow round it and a pale veil
//           that brightens its face.  Both shadows are cut from a
//           per-layout atlas of blurred outlines.
//   tray    ("plase") the whole picture, pale, on a board with a rim.
//   final   the finished picture with a frame, the size of the board.
// and, for the menu tab, `previewModel` in the x-z plane facing -y.
//
// The picture texture maps the board edges onto the centres of the edge
// pixels, so linear filtering never wraps round to the opposite side.
#pragma once

#include <string>
#include <vector>

#include "art/art_common.h"
#include "art/pieces_cut.h"
#include "puzzle/piece_play.h"

constexpr double PIECE_DEPTH = 0.09;  // thickness of a piece (stays above its place)
constexpr double SHADOW_MARGIN = 0.4; // shadow quad reaches this far beyond the outline
constexpr double TRAY_RIM = 0.25;     // width of the tray's rim outside the board
constexpr double FRAME_WIDTH = 0.32;  // frame of the finished picture, inside the board

// Image entry names inside the archives.
constexpr const char* PICTURE_TEXTURE = "picture.png"; // the picture (piece and picture archives)
constexpr const char* CARD_TEXTURE = "card.png";       // piece backs (shadow archives)
constexpr const char* EDGE_TEXTURE = "edge.png";       // piece side walls
constexpr const char* PALE_TEXTURE = "pale.png";       // the tray's pale picture
constexpr const char* RIM_TEXTURE = "rim.png";         // the tray's rim
constexpr const char* FRAME_TEXTURE = "frame.png";     // the finished picture's frame
constexpr const char* PREVIEW_TEXTURE = "preview.png"; // the menu tab's preview
constexpr const char* PLACE_TEXTURE = "place.png";     // place fill and border
constexpr const char* SHADOW_TEXTURE = "shadow.png";   // the layout's shadow atlas
constexpr const char* OUTLINE_TEXTURE = "outline.png"; // rim profile and veil
constexpr const char* GLOW_TEXTURE = "glow.png";       // the layout's glow atlas

// Where one piece's blurred silhouette lies in a shadow atlas.
struct AtlasCell {
    int x, y, width, height; // pixels
    double x0, y0, x1, y1;   // the model rectangle it covers (relative to the target)
};

// A piece: front on the picture texture of texWidth x texHeight, walls on the edge.
std::vector<MeshBuild> pieceModel(const PieceCut& piece, int texWidth, int texHeight);
// A piece's cardboard back, on the card.
std::vector<MeshBuild> backModel(const PieceCut& piece);
// A place on the tray for the piece.
std::vector<MeshBuild> placeModel(const PieceCut& piece);
// What a loose piece wears: its rim and soft shadow, one strip along its outline.
std::vector<MeshBuild> restModel(const PieceCut& piece);
// The lifted look: the far shadow, the glow round the piece and the veil over its face.
std::vector<MeshBuild> shadowModel(const PieceCut& piece, const AtlasCell& cell, int atlasWidth,
                                   int atlasHeight);
// The tray "plase": pale picture and rim.
std::vector<MeshBuild> trayModel();
// The finished picture "final": picture and frame.
std::vector<MeshBuild> finalModel(int texWidth, int texHeight);
// The menu tab's "prev": x -7.5..7.5, z -8..-17 at y -0.05, facing -y.
std::vector<MeshBuild> previewModel();

// Texture coordinates of a board point on a picture texture of w x h pixels.
void boardTexCoord(double x, double y, int w, int h, double& s, double& t);

// Textures drawn in code.
void drawCardTexture(Canvas& canvas);  // seamless cardboard with little stars
void drawEdgeTexture(Canvas& canvas);  // the cut edge of the cardboard
void drawPlaceTexture(Canvas& canvas); // border profile and fill, across s
void drawRimTexture(Canvas& canvas);   // the tray's rim, light to dark across t
void drawFrameTexture(Canvas& canvas); // the frame's bevel across t
void drawOutlineTexture(Canvas& canvas); // rim profiles across s (a row per width), the veil
// The picture's pale copy for the tray, from the full picture canvas.
void drawPalePicture(Canvas& pale, Canvas& picture);
// A smaller copy of the picture (for the preview).
void drawScaledCopy(Canvas& target, Canvas& source);
// Faint cut lines over the picture (pieces' texture), for one cut.
void drawCutLines(Canvas& picture, const PuzzleCut& cut);
// How a blurred silhouette is drawn.
struct Silhouette {
    double growth;   // how far it reaches beyond the outline, board units
    double softness; // blur radius, board units
    double alpha;    // opacity at the middle
    Rgba colour;     // black for a shadow, a warm light for the glow
};

// Blurred silhouettes of all pieces of a cut, and the cell of each piece
// (the same cells for every look).
void drawSilhouetteAtlas(Canvas& atlas, const PuzzleCut& cut, const Silhouette& look,
                         std::vector<AtlasCell>& cells);
void drawShadowAtlas(Canvas& atlas, const PuzzleCut& cut, std::vector<AtlasCell>& cells);
void drawGlowAtlas(Canvas& atlas, const PuzzleCut& cut, std::vector<AtlasCell>& cells);
