// Sheets: pictures drawn in model units and the quads that show them.
#include "art/ui_sheet.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "art/ui_paint.h"

int sheetTextureSide(double wanted) {
    int side = 16;
    while (side < 2048 && side * 1.41421356 < wanted)
        side *= 2;
    return side;
}

// Where MEADOW_UI_PREVIEW asks the pictures to be copied, or empty.
static std::string previewFolder() {
    const char* dir = std::getenv("MEADOW_UI_PREVIEW");
    return dir ? std::string(dir) : std::string();
}

bool drawSheet(PakArchive& pak, const Sheet& sheet, MeshBuild& mesh) {
    double w = sheet.x1 - sheet.x0, h = sheet.z1 - sheet.z0;
    int texW = sheetTextureSide(w * sheet.density), texH = sheetTextureSide(h * sheet.density);
    // Square texels: text laid out under an uneven scale comes out cramped.
    // The picture fills the texture one way and leaves a strip free the other.
    double scale = std::min(texW / w, texH / h);
    Canvas canvas = makeCanvas(texW, texH, sheet.look != SheetLook::Opaque);
    cairo_t* cr = canvas.cr;
    cairo_identity_matrix(cr);
    cairo_scale(cr, scale, scale);
    cairo_translate(cr, -sheet.x0, sheet.z1);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_save(cr);
    textSheet = sheet.name;
    sheet.draw(cr);
    cairo_restore(cr);
    std::string image = std::string(sheet.name) + ".png";
    std::string preview = previewFolder();
    if (!preview.empty()) {
        static int previewCount = 0;
        char prefix[16];
        std::snprintf(prefix, sizeof prefix, "/%03d_", previewCount++);
        saveCanvasPng(canvas, preview + prefix + image);
    }
    bool ok = cairo_status(cr) == CAIRO_STATUS_SUCCESS && addPngEntry(pak, image, canvas);
    freeCanvas(canvas);
    if (!ok) {
        std::fprintf(stderr, "art_gen: drawing %s failed\n", sheet.name);
        return false;
    }
    MeshMaterial material = defaultMaterial();
    if (sheet.look == SheetLook::Blended) material = blendedMaterial();
    if (sheet.look == SheetLook::Cutout) material = alphaTestMaterial();
    mesh = makeMesh(image, material);
    // The quad's edges fall on the outer texels' centres: the filter then
    // never reaches round to the texture's far side, which would draw a
    // faint line where the two halves of the background meet.
    addQuadXZ(mesh, sheet.x0, sheet.x1, sheet.z0, sheet.z1, sheet.depth, 0.5 / texW, 0.5 / texH,
              (w * scale - 0.5) / texW, (h * scale - 0.5) / texH);
    return true;
}

bool addSheets(PakArchive& pak, const Sheet* sheets, int count) {
    for (int i = 0; i < count; i++)
        if (!addSheetModel(pak, sheets[i].name, &sheets[i], 1)) return false;
    return true;
}

bool addSheetModel(PakArchive& pak, const std::string& entry, const Sheet* parts, int count) {
    std::vector<MeshBuild> meshes(count);
    for (int i = 0; i < count; i++)
        if (!drawSheet(pak, parts[i], meshes[i])) return false;
    return addModelEntry(pak, entry, meshes);
}
