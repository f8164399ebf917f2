// buildPictureArchives: the ten pictures, cut into pieces, with their trays,
// places, shadows, finished pictures and previews.
//
// Which archive holds what comes from puzzle/picture_tables.h and
// puzzle/puzzle_sizes.h, the same tables the game reads.  The three cut
// layouts are made once per size and give the place and shadow archives;
// each picture then gets its piece archives (one per size, the picture
// wearing that size's cut lines) and its picture archive ("final" and "prev").
//
// Set MEADOW_ART_LOOK to a folder to also get every picture as a PNG there.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "art/art_gen.h"
#include "art/pictures.h"
#include "art/pieces_models.h"

// Texture sizes, all powers of two.
constexpr int PICTURE_TEX_W = 2048, PICTURE_TEX_H = 1024;
constexpr int PALE_TEX_W = 1024, PALE_TEX_H = 512;
constexpr int PREVIEW_TEX_W = 512, PREVIEW_TEX_H = 256;
constexpr int SHADOW_TEX_W = 1024, SHADOW_TEX_H = 512;

// One small texture drawn once and added to many archives.
struct SmallTexture {
    const char* name;             // entry name
    int width, height;            // pixels
    bool alpha;                   // RGBA or RGB
    void (*draw)(Canvas& canvas); // how it is drawn
};

static constexpr SmallTexture SMALL_TEXTURES[] = {
    {CARD_TEXTURE, 256, 256, false, drawCardTexture},
    {EDGE_TEXTURE, 16, 16, false, drawEdgeTexture},
    {RIM_TEXTURE, 8, 64, false, drawRimTexture},
    {FRAME_TEXTURE, 8, 64, false, drawFrameTexture},
    {PLACE_TEXTURE, 64, 4, true, drawPlaceTexture},
    {OUTLINE_TEXTURE, 128, 16, true, drawOutlineTexture},
};

// The encoded small textures, in the order of SMALL_TEXTURES.
struct Workshop {
    std::vector<std::vector<uint8_t>> small;             // PNG bytes per small texture
    PuzzleCut cuts[PUZZLE_SIZE_COUNT][CUT_LAYOUT_COUNT]; // per PUZZLE_SIZES row and layout
};

// Add one of the small textures by name.
static bool addSmall(PakArchive& pak, const Workshop& shop, const char* name) {
    for (size_t i = 0; i < std::size(SMALL_TEXTURES); i++)
        if (std::string(SMALL_TEXTURES[i].name) == name)
            return pak.addEntry(name, shop.small[i].data(), (uint32_t)shop.small[i].size());
    return false;
}

static bool addBytes(PakArchive& pak, const char* name, const std::vector<uint8_t>& bytes) {
    return !bytes.empty() && pak.addEntry(name, bytes.data(), (uint32_t)bytes.size());
}

// Places and shadows of one cut; the shadow archive also holds what every
// loose piece wears ("rest1".."restN") and the pieces' backs ("back1"..),
// since they depend only on the cut.
static bool writeLayoutArchives(const PuzzleCut& cut, const PuzzleSizeRow& size,
                                const std::string& outDir, const Workshop& shop) {
    PakArchive places;
    bool ok = addSmall(places, shop, PLACE_TEXTURE);
    for (int i = 0; i < cut.pieceCount; i++)
        ok = ok && addModelEntry(places, std::to_string(i + 1), placeModel(cut.pieces[i]));
    ok = ok && writeArchive(places, outDir, size.placeArchives[cut.layout]);

    Canvas atlas = makeCanvas(SHADOW_TEX_W, SHADOW_TEX_H, true);
    Canvas glow = makeCanvas(SHADOW_TEX_W, SHADOW_TEX_H, true);
    std::vector<AtlasCell> cells;
    drawGlowAtlas(glow, cut, cells);
    drawShadowAtlas(atlas, cut, cells);
    PakArchive shadows;
    ok = ok && addPngEntry(shadows, SHADOW_TEXTURE, atlas) &&
         addPngEntry(shadows, GLOW_TEXTURE, glow) && addSmall(shadows, shop, OUTLINE_TEXTURE) &&
         addSmall(shadows, shop, CARD_TEXTURE);
    freeCanvas(glow);
    for (int i = 0; i < cut.pieceCount; i++) {
        std::string name = std::to_string(i + 1);
        const PieceCut& piece = cut.pieces[i];
        ok =
            ok &&
            addModelEntry(shadows, name, shadowModel(piece, cells[i], atlas.width, atlas.height)) &&
            addModelEntry(shadows, PIECE_REST_PREFIX + name, restModel(piece)) &&
            addModelEntry(shadows, PIECE_BACK_PREFIX + name, backModel(piece));
    }
    freeCanvas(atlas);
    return ok && writeArchive(shadows, outDir, size.shadowArchives[cut.layout]);
}

// The piece archive of one picture in one size.
static bool writePieceArchive(int picture, Canvas& drawn, const std::vector<uint8_t>& palePng,
                              const PuzzleCut& cut, const PuzzleSizeRow& size,
                              const std::string& outDir, const Workshop& shop) {
    Canvas withCuts = makeCanvas(PICTURE_TEX_W, PICTURE_TEX_H, false);
    drawScaledCopy(withCuts, drawn);
    drawCutLines(withCuts, cut);
    PakArchive pak;
    bool ok = addModelEntry(pak, "plase", trayModel());
    for (int i = 0; i < cut.pieceCount; i++)
        ok = ok && addModelEntry(pak, std::to_string(i + 1),
                                 pieceModel(cut.pieces[i], PICTURE_TEX_W, PICTURE_TEX_H));
    ok = ok && addPngEntry(pak, PICTURE_TEXTURE, withCuts) &&
         addBytes(pak, PALE_TEXTURE, palePng) && addSmall(pak, shop, EDGE_TEXTURE) &&
         addSmall(pak, shop, RIM_TEXTURE);
    freeCanvas(withCuts);
    return ok && writeArchive(pak, outDir, size.pieceArchives[picture]);
}

// Everything of one picture: its piece archive in every size and its picture archive.
static bool writePicture(int picture, const std::string& outDir, const Workshop& shop) {
    Canvas drawn = makeCanvas(PICTURE_TEX_W, PICTURE_TEX_H, false);
    drawPicture(picture, drawn);
    if (const char* look = std::getenv("MEADOW_ART_LOOK"))
        saveCanvasPng(drawn, std::string(look) + "/picture" + std::to_string(picture) + ".png");

    Canvas pale = makeCanvas(PALE_TEX_W, PALE_TEX_H, false);
    drawPalePicture(pale, drawn);
    std::vector<uint8_t> palePng = canvasPng(pale);
    freeCanvas(pale);

    int layout = PICTURE_ROWS[picture].cutLayout;
    bool ok = true;
    for (int s = 0; s < PUZZLE_SIZE_COUNT && ok; s++)
        ok = writePieceArchive(picture, drawn, palePng, shop.cuts[s][layout], PUZZLE_SIZES[s],
                               outDir, shop);

    Canvas preview = makeCanvas(PREVIEW_TEX_W, PREVIEW_TEX_H, false);
    drawScaledCopy(preview, drawn);
    PakArchive common;
    ok = ok && addModelEntry(common, "final", finalModel(PICTURE_TEX_W, PICTURE_TEX_H)) &&
         addModelEntry(common, "prev", previewModel()) &&
         addPngEntry(common, PICTURE_TEXTURE, drawn) && addSmall(common, shop, FRAME_TEXTURE) &&
         addPngEntry(common, PREVIEW_TEXTURE, preview) &&
         writeArchive(common, outDir, PICTURE_ROWS[picture].pictureArchive);
    freeCanvas(preview);
    freeCanvas(drawn);
    return ok;
}

bool buildPictureArchives(const std::string& outDir) {
    static Workshop shop; // large; lives for the run
    for (const SmallTexture& small : SMALL_TEXTURES) {
        Canvas canvas = makeCanvas(small.width, small.height, small.alpha);
        small.draw(canvas);
        shop.small.push_back(canvasPng(canvas));
        freeCanvas(canvas);
    }
    for (int s = 0; s < PUZZLE_SIZE_COUNT; s++)
        for (int layout = 0; layout < CUT_LAYOUT_COUNT; layout++) {
            if (!makePuzzleCut(layout, PUZZLE_SIZES[s], shop.cuts[s][layout])) return false;
            if (!writeLayoutArchives(shop.cuts[s][layout], PUZZLE_SIZES[s], outDir, shop))
                return false;
        }
    for (int picture = 0; picture < PICTURE_TOTAL; picture++)
        if (!writePicture(picture, outDir, shop)) {
            std::fprintf(stderr, "art_gen: picture %d (%s) failed\n", picture,
                         PICTURE_ROWS[picture].name);
            return false;
        }
    return true;
}
