// Sheets: the building block of every interface model.
//
// A sheet is a flat rectangle in a model's x-z plane (the plane every screen
// object of the interface shows once it is turned -90 degrees about x), at
// one depth y, covered by one picture drawn for it with cairo.  The picture
// is drawn straight in model units: x to the right and y = -z downwards, so a
// builder places shapes where they will stand in the model, and the texture
// size only decides how sharp they come out.
//
// Builders describe their sheets in constexpr tables (rectangle, depth,
// sharpness, look, drawing function) and hand them to addSheets.  Every image
// entry is named after its sheet with ".png" added.  Texels are square: the
// picture fills its power-of-two texture along one side and the quad's
// texture coordinates take only the part it covers along the other.
//
// Setting MEADOW_UI_PREVIEW to a folder makes art_gen write every interface
// picture there too, for looking at while drawing.
#pragma once

#include <cairo.h>

#include <string>

#include "art/art_common.h"

// How a sheet's mesh is drawn by the game.
enum class SheetLook {
    Opaque,  // RGB picture, drawn in the normal pass
    Blended, // RGBA picture with soft edges, drawn after the opaque meshes
    Cutout,  // RGBA picture cut out with the alpha test (hard edges, writes depth)
};

// The dialogs' and the main menu's outline width (they stand 34.9 from the
// eye), and the depth of the page art just behind their buttons.
constexpr double DIALOG_LINE = 0.075;
constexpr double BACK_DEPTH = -64.9;

// Draws a sheet's picture in model units (x right, y = -z down).
using SheetDraw = void (*)(cairo_t* cr);

struct Sheet {
    const char* name;      // model entry; its picture is the image entry name + ".png"
    double x0, x1, z0, z1; // rectangle in model units, left/right, bottom/top
    double depth;          // model y of the rectangle (more negative = nearer the eye)
    double density;        // texels per model unit wanted (rounded to a power of two)
    SheetLook look;        // material of the mesh
    SheetDraw draw;        // the picture
};

// Power-of-two texture side nearest (in ratio) to the wanted number of texels, 16..2048.
int sheetTextureSide(double wanted);
// Draw a sheet's picture, add it as an image entry and return its mesh.
bool drawSheet(PakArchive& pak, const Sheet& sheet, MeshBuild& mesh);
// Each sheet of the table as a one-mesh model entry of its own name.
bool addSheets(PakArchive& pak, const Sheet* sheets, int count);
// All sheets of the table as the meshes of one model entry named `entry`.
bool addSheetModel(PakArchive& pak, const std::string& entry, const Sheet* parts, int count);

// Add every sheet of a constexpr table.
template <int N> bool addSheets(PakArchive& pak, const Sheet (&sheets)[N]) {
    return addSheets(pak, sheets, N);
}
