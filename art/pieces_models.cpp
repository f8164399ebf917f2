#include "art/pieces_models.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "art/pictures.h"

// The card pattern repeats every this many board units on piece backs.
static constexpr double CARD_REPEAT = 3.0;
// Width of a place's border ring, inside its outline.
static constexpr double PLACE_RING = 0.1;
// The place texture across s: the ring's outer edge (a soft fringe just
// outside the outline, so the hairline fades out instead of ending in
// steps), its inner edge, and the fill.
static constexpr double PLACE_RING_S0 = 0.015, PLACE_RING_S1 = 0.72, PLACE_FILL_S = 0.95;
// The fill's opacity, as the place texture holds it in 8 bits.
static constexpr double PLACE_VEIL = 64.0 / 255;
// How far a place's soft fringe reaches outside its outline.
static constexpr double PLACE_FRINGE = 0.028;
// The tray rim's height above the tray (it stays under the places, 0.1 above
// the tray) and the frame's above the picture.
static constexpr double RIM_HEIGHT = 0.08;
static constexpr double FRAME_LIFT = 0.015;
// Blurred silhouettes: the shadows' (dark) and the lifted piece's glow (light).
static constexpr Silhouette SHADOW_LOOK = {0.1, 0.12, 0.5, rgb(0x000000)};
static constexpr Silhouette GLOW_LOOK = {0.24, 0.14, 1.0, rgb(0xffd84a)};

// What a loose piece wears is one thin strip along its outline, a little
// above the face, on the outline texture.  Across it, from RIM_IN inside
// the cut: a soft inner shade, a dark rim astride the cut that covers the
// face's own stepped edge, then a soft shadow fading out over SHADOW_NEAR
// where the light falls on the piece and up to SHADOW_NEAR + SHADOW_FAR on
// the side away from it.  The texture has one row of that profile per
// width (t 0 the narrowest), so each point of the strip picks its row and
// the rim stays the same everywhere; nothing is drawn under the piece.  On
// a 1280 x 720 screen a board unit is about 22 pixels: the rim is 1 to 2
// pixels wide and its outer side fades over another 1 to 5.
static constexpr double RIM_IN = 0.032, RIM_CORE = 0.03;
static constexpr double SHADOW_NEAR = 0.045, SHADOW_FAR = 0.12;
static constexpr double LIGHT_X = -0.63, LIGHT_Y = 0.77; // towards the light, in the board's plane
static constexpr double RIM_LIFT = 0.01;
static constexpr int OUTLINE_ROWS = 16; // rows of the outline texture, one width each
// Places on the outline texture (s): the rim and shadow profile, the veil.
static constexpr double RIM_S0 = 0.03, RIM_S1 = 0.86;
static constexpr double VEIL_S = 0.95;
// The profile: distance from the cut (outwards > 0; the shadow's stops as
// parts of its fade instead), opacity; dark plum on the rim, black beyond.
struct ProfileStop {
    double at;
    double alpha;
};
static constexpr Rgba RIM_DARK = rgb(0x24162c);
static constexpr ProfileStop RIM_PROFILE[] = {
    {-RIM_IN, 0}, {-0.02, 0.9}, {0.015, 0.9}, {RIM_CORE, 0.5}};
static constexpr ProfileStop SHADOW_FADE[] = {{0.35, 0.27}, {0.7, 0.08}, {1, 0}};
// The veil over a lifted piece's face.
static constexpr double VEIL_ALPHA = 0.2, VEIL_LIFT = 0.015;
// The lifted piece's shadow falls further off, on the ground under the
// raised piece, a little larger; its glow lies just under the face.
static constexpr double SHADOW_DEPTH = 0.1;
static constexpr double LIFTED_SHADOW_DX = 0.45, LIFTED_SHADOW_DY = -0.55;
static constexpr double LIFTED_SHADOW_GROWTH = 1.15;
static constexpr double GLOW_DEPTH = 0.05;

void boardTexCoord(double x, double y, int w, int h, double& s, double& t) {
    s = (0.5 + (x + BOARD_HALF_WIDTH) / (2 * BOARD_HALF_WIDTH) * (w - 1)) / w;
    t = (0.5 + (BOARD_HALF_HEIGHT - y) / (2 * BOARD_HALF_HEIGHT) * (h - 1)) / h;
}

// A flat quad a, b, c, d (counter-clockwise seen from where the normal points).
static void addQuad(MeshBuild& mesh, Vec3 a, Vec3 b, Vec3 c, Vec3 d, Vec3 normal,
                    const double st[8]) {
    const double first[6] = {st[0], st[1], st[2], st[3], st[4], st[5]};
    const double second[6] = {st[0], st[1], st[4], st[5], st[6], st[7]};
    addFlatTriangle(mesh, a, b, c, normal, first);
    addFlatTriangle(mesh, a, c, d, normal, second);
}

// Outward normal of the outline segment p->q (outline counter-clockwise).
static Vec3 outwardNormal(Point2 p, Point2 q) {
    double dx = q.x - p.x, dy = q.y - p.y, l = std::sqrt(dx * dx + dy * dy);
    return l > 0 ? Vec3{dy / l, -dx / l, 0} : Vec3{0, 0, 1};
}

// ---- Models ---------------------------------------------------------------------

std::vector<MeshBuild> pieceModel(const PieceCut& piece, int texWidth, int texHeight) {
    MeshBuild front = makeMesh(PICTURE_TEXTURE, defaultMaterial());
    MeshBuild walls = makeMesh(EDGE_TEXTURE, defaultMaterial());
    double tx = piece.target.x, ty = piece.target.y;
    const std::vector<Point2>& tri = piece.triangles;
    for (size_t i = 0; i < tri.size(); i += 3) {
        double st[6];
        for (int v = 0; v < 3; v++)
            boardTexCoord(tri[i + v].x, tri[i + v].y, texWidth, texHeight, st[2 * v],
                          st[2 * v + 1]);
        addFlatTriangle(front, {tri[i].x - tx, tri[i].y - ty, 0},
                        {tri[i + 1].x - tx, tri[i + 1].y - ty, 0},
                        {tri[i + 2].x - tx, tri[i + 2].y - ty, 0}, {0, 0, 1}, st);
    }
    const std::vector<Point2>& outline = piece.outline;
    double run = 0;
    for (size_t i = 0; i < outline.size(); i++) {
        Point2 p = outline[i], q = outline[(i + 1) % outline.size()];
        double step = std::hypot(q.x - p.x, q.y - p.y);
        const double st[8] = {run, 0, run, 1, run + step, 1, run + step, 0};
        addQuad(walls, {p.x - tx, p.y - ty, 0}, {p.x - tx, p.y - ty, -PIECE_DEPTH},
                {q.x - tx, q.y - ty, -PIECE_DEPTH}, {q.x - tx, q.y - ty, 0}, outwardNormal(p, q),
                st);
        run += step;
    }
    return {front, walls};
}

std::vector<MeshBuild> backModel(const PieceCut& piece) {
    MeshBuild back = makeMesh(CARD_TEXTURE, defaultMaterial());
    double tx = piece.target.x, ty = piece.target.y;
    const std::vector<Point2>& tri = piece.triangles;
    for (size_t i = 0; i < tri.size(); i += 3) {
        // Wound the other way from the front; the pattern runs on across the whole board.
        const int order[3] = {0, 2, 1};
        double card[6];
        for (int v = 0; v < 3; v++) {
            card[2 * v] = tri[i + order[v]].x / CARD_REPEAT;
            card[2 * v + 1] = -tri[i + order[v]].y / CARD_REPEAT;
        }
        addFlatTriangle(back, {tri[i].x - tx, tri[i].y - ty, -PIECE_DEPTH},
                        {tri[i + 2].x - tx, tri[i + 2].y - ty, -PIECE_DEPTH},
                        {tri[i + 1].x - tx, tri[i + 1].y - ty, -PIECE_DEPTH}, {0, 0, -1}, card);
    }
    return {back};
}

std::vector<MeshBuild> placeModel(const PieceCut& piece) {
    // The places tile the tray, so their light fill is already in the tray's
    // pale picture (PLACE_VEIL): the fill is only there to be clicked, and
    // just the border ring is blended over the tray.
    MeshBuild area = makeMesh(PLACE_TEXTURE, unseenMaterial());
    double tx = piece.target.x, ty = piece.target.y;
    const std::vector<Point2>& tri = piece.triangles;
    const double fill[6] = {PLACE_FILL_S, 0.5, PLACE_FILL_S, 0.5, PLACE_FILL_S, 0.5};
    for (size_t i = 0; i < tri.size(); i += 3)
        addFlatTriangle(area, {tri[i].x - tx, tri[i].y - ty, 0},
                        {tri[i + 1].x - tx, tri[i + 1].y - ty, 0},
                        {tri[i + 2].x - tx, tri[i + 2].y - ty, 0}, {0, 0, 1}, fill);
    MeshBuild place = makeMesh(PLACE_TEXTURE, blendedMaterial());
    std::vector<Point2> inner = offsetOutline(piece.outline, -PLACE_RING);
    std::vector<Point2> outer = offsetOutline(piece.outline, PLACE_FRINGE);
    for (size_t i = 0; i < outer.size(); i++) {
        size_t j = (i + 1) % outer.size();
        const double st[8] = {PLACE_RING_S0, 0.5, PLACE_RING_S0, 0.5,
                              PLACE_RING_S1, 0.5, PLACE_RING_S1, 0.5};
        addQuad(place, {outer[i].x - tx, outer[i].y - ty, 0}, {outer[j].x - tx, outer[j].y - ty, 0},
                {inner[j].x - tx, inner[j].y - ty, 0}, {inner[i].x - tx, inner[i].y - ty, 0},
                {0, 0, 1}, st);
    }
    return {area, place};
}

// The piece's blurred silhouette from an atlas (shadow or glow), grown by
// `growth` about the piece's origin, moved by (dx, dy) and lying at depth z.
static MeshBuild silhouetteQuad(const char* texture, const AtlasCell& cell, int atlasWidth,
                                int atlasHeight, double growth, double dx, double dy, double z) {
    MeshBuild quad = makeMesh(texture, blendedMaterial());
    addQuadXY(quad, cell.x0 * growth + dx, cell.x1 * growth + dx, cell.y0 * growth + dy,
              cell.y1 * growth + dy, z, (double)cell.x / atlasWidth, (double)cell.y / atlasHeight,
              (double)(cell.x + cell.width) / atlasWidth,
              (double)(cell.y + cell.height) / atlasHeight);
    return quad;
}

// How wide the strip's shadow is (0 to 1 of SHADOW_FAR) where the outline
// faces (nx, ny): none towards the light, all of it away from it.
static double shadowWidth(double nx, double ny) {
    return std::max(0.0, -(nx * LIGHT_X + ny * LIGHT_Y));
}

// Texture t of the outline texture's row for a shadow width (texel centres).
static double outlineRowT(double width) {
    return (0.5 + width * (OUTLINE_ROWS - 1)) / OUTLINE_ROWS;
}

std::vector<MeshBuild> restModel(const PieceCut& piece) {
    // offsetOutline moves each point along its mitre, so a unit offset
    // gives every point's direction and stretch.
    const std::vector<Point2>& cut = piece.outline;
    std::vector<Point2> unit = offsetOutline(cut, 1.0);
    size_t n = cut.size();
    std::vector<Point2> inner(n), outer(n);
    std::vector<double> rowT(n);
    for (size_t i = 0; i < n; i++) {
        double ux = unit[i].x - cut[i].x, uy = unit[i].y - cut[i].y;
        double stretch = std::hypot(ux, uy);
        double width = shadowWidth(ux / stretch, uy / stretch);
        double to = RIM_CORE + SHADOW_NEAR + SHADOW_FAR * width;
        inner[i] = {cut[i].x - ux * RIM_IN, cut[i].y - uy * RIM_IN};
        outer[i] = {cut[i].x + ux * to, cut[i].y + uy * to};
        rowT[i] = outlineRowT(width);
    }
    MeshBuild wear = makeMesh(OUTLINE_TEXTURE, blendedMaterial());
    double tx = piece.target.x, ty = piece.target.y;
    for (size_t i = 0; i < n; i++) {
        size_t j = (i + 1) % n;
        const double st[8] = {RIM_S0, rowT[i], RIM_S0, rowT[j], RIM_S1, rowT[j], RIM_S1, rowT[i]};
        addQuad(wear, {inner[i].x - tx, inner[i].y - ty, RIM_LIFT},
                {inner[j].x - tx, inner[j].y - ty, RIM_LIFT},
                {outer[j].x - tx, outer[j].y - ty, RIM_LIFT},
                {outer[i].x - tx, outer[i].y - ty, RIM_LIFT}, {0, 0, 1}, st);
    }
    return {wear};
}

std::vector<MeshBuild> shadowModel(const PieceCut& piece, const AtlasCell& cell, int atlasWidth,
                                   int atlasHeight) {
    // The object wearing this sits at the raised piece's origin: the
    // shadow lies back down on the board.
    MeshBuild shadow =
        silhouetteQuad(SHADOW_TEXTURE, cell, atlasWidth, atlasHeight, LIFTED_SHADOW_GROWTH,
                       LIFTED_SHADOW_DX, LIFTED_SHADOW_DY, -LIFTED_PIECE_RISE - SHADOW_DEPTH);
    MeshBuild glow =
        silhouetteQuad(GLOW_TEXTURE, cell, atlasWidth, atlasHeight, 1.0, 0, 0, -GLOW_DEPTH);
    MeshBuild veil = makeMesh(OUTLINE_TEXTURE, blendedMaterial());
    double tx = piece.target.x, ty = piece.target.y;
    const std::vector<Point2>& tri = piece.triangles;
    const double st[6] = {VEIL_S, 0.5, VEIL_S, 0.5, VEIL_S, 0.5};
    for (size_t i = 0; i < tri.size(); i += 3)
        addFlatTriangle(veil, {tri[i].x - tx, tri[i].y - ty, VEIL_LIFT},
                        {tri[i + 1].x - tx, tri[i + 1].y - ty, VEIL_LIFT},
                        {tri[i + 2].x - tx, tri[i + 2].y - ty, VEIL_LIFT}, {0, 0, 1}, st);
    return {shadow, glow, veil};
}

// A raised band around the rectangle |x| <= hw, |y| <= hh: its top at `top`
// (t 0 on the inside, 1 outside), a wall inside down to z 0 and one outside
// down to `bottom`.
static void addRim(MeshBuild& mesh, double hw, double hh, double width, double top, double bottom) {
    const double in[4][2] = {{-hw, -hh}, {hw, -hh}, {hw, hh}, {-hw, hh}};
    const double out[4][2] = {{-hw - width, -hh - width},
                              {hw + width, -hh - width},
                              {hw + width, hh + width},
                              {-hw - width, hh + width}};
    for (int k = 0; k < 4; k++) {
        int n = (k + 1) % 4;
        Vec3 i0 = {in[k][0], in[k][1], top}, i1 = {in[n][0], in[n][1], top};
        Vec3 o0 = {out[k][0], out[k][1], top}, o1 = {out[n][0], out[n][1], top};
        double len = std::hypot(in[n][0] - in[k][0], in[n][1] - in[k][1]) / 4;
        const double topSt[8] = {0, 1, len, 1, len, 0, 0, 0};
        addQuad(mesh, o0, o1, i1, i0, {0, 0, 1}, topSt);
        // Inner wall faces the middle of the board; outer wall faces away.
        Vec3 inward = outwardNormal({in[n][0], in[n][1]}, {in[k][0], in[k][1]});
        const double wallSt[8] = {0, 0.02, len, 0.02, len, 0.02, 0, 0.02};
        addQuad(mesh, {i0.x, i0.y, 0}, i0, i1, {i1.x, i1.y, 0}, inward, wallSt);
        Vec3 outward = outwardNormal({out[k][0], out[k][1]}, {out[n][0], out[n][1]});
        const double outerSt[8] = {0, 0.98, len, 0.98, len, 0.98, 0, 0.98};
        addQuad(mesh, {o0.x, o0.y, bottom}, {o1.x, o1.y, bottom}, o1, o0, outward, outerSt);
    }
}

std::vector<MeshBuild> trayModel() {
    MeshBuild pale = makeMesh(PALE_TEXTURE, defaultMaterial());
    addQuadXY(pale, -BOARD_HALF_WIDTH, BOARD_HALF_WIDTH, -BOARD_HALF_HEIGHT, BOARD_HALF_HEIGHT, 0);
    MeshBuild rim = makeMesh(RIM_TEXTURE, defaultMaterial());
    addRim(rim, BOARD_HALF_WIDTH, BOARD_HALF_HEIGHT, TRAY_RIM, RIM_HEIGHT, -0.1);
    return {pale, rim};
}

std::vector<MeshBuild> finalModel(int texWidth, int texHeight) {
    MeshBuild picture = makeMesh(PICTURE_TEXTURE, defaultMaterial());
    double s0, t0, s1, t1;
    boardTexCoord(-BOARD_HALF_WIDTH, BOARD_HALF_HEIGHT, texWidth, texHeight, s0, t0);
    boardTexCoord(BOARD_HALF_WIDTH, -BOARD_HALF_HEIGHT, texWidth, texHeight, s1, t1);
    addQuadXY(picture, -BOARD_HALF_WIDTH, BOARD_HALF_WIDTH, -BOARD_HALF_HEIGHT, BOARD_HALF_HEIGHT,
              0, s0, t0, s1, t1);
    // The frame lies on the picture's border, inside the board's size.
    MeshBuild frame = makeMesh(FRAME_TEXTURE, defaultMaterial());
    addRim(frame, BOARD_HALF_WIDTH - FRAME_WIDTH, BOARD_HALF_HEIGHT - FRAME_WIDTH, FRAME_WIDTH,
           FRAME_LIFT, -0.1);
    return {picture, frame};
}

std::vector<MeshBuild> previewModel() {
    MeshBuild preview = makeMesh(PREVIEW_TEXTURE, defaultMaterial());
    addQuadXZ(preview, -7.5, 7.5, -17.0, -8.0, -0.05);
    return {preview};
}

// ---- Textures ---------------------------------------------------------------------

void drawCardTexture(Canvas& canvas) {
    cairo_t* cr = canvas.cr;
    useUnits(canvas, 1, 1);
    cairo_set_source_rgb(cr, 0.56, 0.78, 0.93);
    cairo_paint(cr);
    // Everything is drawn again one tile over in each direction, so the card tiles seamlessly.
    ArtRandom random(7);
    for (int i = 0; i < 900; i++) {
        double x = random.unit(), y = random.unit(), r = random.range(0.002, 0.006);
        Rgba c = random.chance(0.5) ? rgb(0xffffff, 0.25) : rgb(0x2a5a8a, 0.15);
        for (int dx = -1; dx <= 1; dx++)
            for (int dy = -1; dy <= 1; dy++) {
                cairo_new_path(cr);
                cairo_arc(cr, x + dx, y + dy, r, 0, 2 * M_PI);
                setColour(cr, c);
                cairo_fill(cr);
            }
    }
    const double stars[][4] = {{0.2, 0.25, 0.09, 0.2},  {0.7, 0.15, 0.06, -0.3},
                               {0.55, 0.62, 0.1, 0.1},  {0.12, 0.8, 0.06, 0.5},
                               {0.88, 0.85, 0.07, 0.0}, {0.95, 0.45, 0.05, 0.3}};
    for (const auto& s : stars)
        for (int dx = -1; dx <= 1; dx++)
            for (int dy = -1; dy <= 1; dy++) {
                starPath(cr, s[0] + dx, s[1] + dy, s[2], s[2] * 0.5, 5, s[3]);
                setColour(cr, rgb(0xffffff, 0.7));
                cairo_fill(cr);
            }
}

void drawEdgeTexture(Canvas& canvas) {
    useUnits(canvas, 1, 1);
    const Rgba edge[] = {rgb(0xf4ead8), rgb(0xd9c7a8), rgb(0xb9a27e)};
    gradientBand(canvas.cr, 0, 0, 1, 1, edge, 3);
}

void drawPlaceTexture(Canvas& canvas) {
    // Across s: clear outside, a dark hairline at the outline (s 0.2), a
    // bright border, a soft fade, then the light veil that fills the place.
    cairo_t* cr = canvas.cr;
    useUnits(canvas, 1, 1);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 1, 0);
    cairo_pattern_add_color_stop_rgba(g, PLACE_RING_S0, 0.23, 0.14, 0.25, 0);
    cairo_pattern_add_color_stop_rgba(g, 0.17, 0.23, 0.14, 0.25, 0.55);
    cairo_pattern_add_color_stop_rgba(g, 0.26, 0.23, 0.14, 0.25, 0.5);
    cairo_pattern_add_color_stop_rgba(g, 0.31, 1, 1, 1, 0.95);
    cairo_pattern_add_color_stop_rgba(g, 0.53, 1, 1, 1, 0.9);
    cairo_pattern_add_color_stop_rgba(g, 0.74, 1, 1, 1, PLACE_VEIL);
    cairo_pattern_add_color_stop_rgba(g, 1.0, 1, 1, 1, PLACE_VEIL);
    cairo_set_source(cr, g);
    cairo_pattern_destroy(g);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

void drawOutlineTexture(Canvas& canvas) {
    // Across s: clear, the rim and shadow profile (one row per shadow
    // width, as restModel picks them), clear, the veil.
    cairo_t* cr = canvas.cr;
    useUnits(canvas, 1, OUTLINE_ROWS);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    for (int row = 0; row < OUTLINE_ROWS; row++) {
        double reach = RIM_CORE + SHADOW_NEAR + SHADOW_FAR * row / (OUTLINE_ROWS - 1);
        auto at = [&](double distance) { return (distance + RIM_IN) / (RIM_IN + reach); };
        cairo_pattern_t* g = cairo_pattern_create_linear(RIM_S0, 0, RIM_S1, 0);
        for (const ProfileStop& stop : RIM_PROFILE)
            cairo_pattern_add_color_stop_rgba(g, at(stop.at), RIM_DARK.r, RIM_DARK.g, RIM_DARK.b,
                                              stop.alpha);
        for (const ProfileStop& stop : SHADOW_FADE)
            cairo_pattern_add_color_stop_rgba(g, at(RIM_CORE + stop.at * (reach - RIM_CORE)), 0, 0,
                                              0, stop.alpha);
        cairo_pattern_set_extend(g, CAIRO_EXTEND_NONE);
        cairo_set_source(cr, g);
        cairo_pattern_destroy(g);
        cairo_rectangle(cr, 0, row, 1, 1);
        cairo_fill(cr);
    }
    cairo_set_source_rgba(cr, 1, 1, 1, VEIL_ALPHA);
    cairo_rectangle(cr, VEIL_S - 0.03, 0, 0.06, OUTLINE_ROWS);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

void drawRimTexture(Canvas& canvas) {
    // t 0 is the inner edge of the rim, t 1 the outer: a rounded honey-coloured bead.
    useUnits(canvas, 1, 1);
    const Rgba bead[] = {rgb(0x8a5a2a), rgb(0xffd27a), rgb(0xf0a640), rgb(0xc07828), rgb(0x6a4020)};
    gradientBand(canvas.cr, 0, 0, 1, 1, bead, 5);
}

void drawFrameTexture(Canvas& canvas) {
    // t 0 inside (next to the picture), t 1 the outer edge.
    useUnits(canvas, 1, 1);
    const Rgba bevel[] = {rgb(0x3a2440), rgb(0xff9a5c), rgb(0xffd98a),
                          rgb(0xffb347), rgb(0xd9762a), rgb(0x3a2440)};
    gradientBand(canvas.cr, 0, 0, 1, 1, bevel, 6);
}

void drawScaledCopy(Canvas& target, Canvas& source) {
    cairo_t* cr = target.cr;
    cairo_save(cr);
    cairo_identity_matrix(cr);
    cairo_scale(cr, (double)target.width / source.width, (double)target.height / source.height);
    cairo_set_source_surface(cr, source.surface, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    cairo_restore(cr);
}

void drawPalePicture(Canvas& pale, Canvas& picture) {
    drawScaledCopy(pale, picture);
    cairo_t* cr = pale.cr;
    cairo_save(cr);
    cairo_identity_matrix(cr);
    // Washed out towards a warm white so the places and pieces stand out on it.
    cairo_set_source_rgba(cr, 1.0, 0.99, 0.96, 0.58);
    cairo_paint(cr);
    // Then the places' own light fill, which tiles the whole tray.
    cairo_set_source_rgba(cr, 1, 1, 1, PLACE_VEIL);
    cairo_paint(cr);
    cairo_restore(cr);
}

void drawCutLines(Canvas& picture, const PuzzleCut& cut) {
    cairo_t* cr = picture.cr;
    cairo_save(cr);
    useUnits(picture, 2 * BOARD_HALF_WIDTH, 2 * BOARD_HALF_HEIGHT);
    cairo_translate(cr, BOARD_HALF_WIDTH, BOARD_HALF_HEIGHT);
    cairo_scale(cr, 1, -1);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (const std::vector<Point2>& edge : cut.edges) {
        cairo_move_to(cr, edge[0].x, edge[0].y);
        for (const Point2& p : edge)
            cairo_line_to(cr, p.x, p.y);
    }
    // A soft dark groove: each piece gets half of it along its rim.
    cairo_set_source_rgba(cr, 0.1, 0.05, 0.12, 0.22);
    cairo_set_line_width(cr, 0.07);
    cairo_stroke_preserve(cr);
    cairo_set_source_rgba(cr, 0.1, 0.05, 0.12, 0.3);
    cairo_set_line_width(cr, 0.025);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// Blur an 8-bit alpha image in place with three box passes each way.
static void boxBlur(std::vector<uint8_t>& alpha, int w, int h, int radius) {
    std::vector<int> line(std::max(w, h));
    for (int pass = 0; pass < 3; pass++)
        for (int axis = 0; axis < 2; axis++) {
            int count = axis ? w : h, length = axis ? h : w;
            for (int k = 0; k < count; k++) {
                auto at = [&](int i) -> uint8_t& {
                    return axis ? alpha[i * w + k] : alpha[k * w + i];
                };
                for (int i = 0; i < length; i++)
                    line[i] = at(i);
                int sum = 0, window = 2 * radius + 1;
                for (int i = -radius; i <= radius; i++)
                    sum += (i >= 0 && i < length) ? line[i] : 0;
                for (int i = 0; i < length; i++) {
                    at(i) = (uint8_t)(sum / window);
                    int out = i - radius, in = i + radius + 1;
                    if (out >= 0) sum -= line[out];
                    if (in < length) sum += line[in];
                }
            }
        }
}

void drawShadowAtlas(Canvas& atlas, const PuzzleCut& cut, std::vector<AtlasCell>& cells) {
    drawSilhouetteAtlas(atlas, cut, SHADOW_LOOK, cells);
}

void drawGlowAtlas(Canvas& atlas, const PuzzleCut& cut, std::vector<AtlasCell>& cells) {
    drawSilhouetteAtlas(atlas, cut, GLOW_LOOK, cells);
}

void drawSilhouetteAtlas(Canvas& atlas, const PuzzleCut& cut, const Silhouette& look,
                         std::vector<AtlasCell>& cells) {
    int cellW = atlas.width / cut.columns, cellH = atlas.height / cut.rows;
    // One scale for all pieces: the largest piece with its margin fits its cell.
    double ppu = 1e9;
    std::vector<double> centreX, centreY;
    for (const PieceCut& piece : cut.pieces) {
        double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
        for (const Point2& p : piece.outline) {
            x0 = std::min(x0, p.x - piece.target.x);
            x1 = std::max(x1, p.x - piece.target.x);
            y0 = std::min(y0, p.y - piece.target.y);
            y1 = std::max(y1, p.y - piece.target.y);
        }
        ppu = std::min(ppu, std::min((cellW - 2) / (x1 - x0 + 2 * SHADOW_MARGIN),
                                     (cellH - 2) / (y1 - y0 + 2 * SHADOW_MARGIN)));
        centreX.push_back((x0 + x1) / 2);
        centreY.push_back((y0 + y1) / 2);
    }
    cairo_surface_flush(atlas.surface);
    uint8_t* pixels = cairo_image_surface_get_data(atlas.surface);
    int stride = cairo_image_surface_get_stride(atlas.surface);
    cells.clear();
    for (size_t i = 0; i < cut.pieces.size(); i++) {
        const PieceCut& piece = cut.pieces[i];
        AtlasCell cell;
        cell.x = (int)(i % cut.columns) * cellW;
        cell.y = (int)(i / cut.columns) * cellH;
        cell.width = cellW;
        cell.height = cellH;
        cell.x0 = centreX[i] - cellW / ppu / 2;
        cell.x1 = centreX[i] + cellW / ppu / 2;
        cell.y0 = centreY[i] - cellH / ppu / 2;
        cell.y1 = centreY[i] + cellH / ppu / 2;
        cells.push_back(cell);
        // The silhouette, a little fattened, on its own alpha surface.
        cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, cellW, cellH);
        cairo_t* cr = cairo_create(mask);
        cairo_translate(cr, cellW / 2.0, cellH / 2.0);
        cairo_scale(cr, ppu, -ppu);
        cairo_translate(cr, -centreX[i], -centreY[i]);
        for (const Point2& p : piece.outline)
            cairo_line_to(cr, p.x - piece.target.x, p.y - piece.target.y);
        cairo_close_path(cr);
        cairo_set_source_rgba(cr, 0, 0, 0, 1);
        cairo_fill_preserve(cr);
        cairo_set_line_width(cr, 2 * look.growth);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
        cairo_destroy(cr);
        cairo_surface_flush(mask);
        std::vector<uint8_t> alpha(cellW * cellH);
        const uint8_t* maskData = cairo_image_surface_get_data(mask);
        int maskStride = cairo_image_surface_get_stride(mask);
        for (int y = 0; y < cellH; y++)
            std::memcpy(&alpha[y * cellW], maskData + y * maskStride, cellW);
        cairo_surface_destroy(mask);
        boxBlur(alpha, cellW, cellH, std::max(1, (int)std::lround(look.softness * ppu)));
        // One colour, premultiplied by the blurred alpha.
        for (int y = 0; y < cellH; y++)
            for (int x = 0; x < cellW; x++) {
                double a = alpha[y * cellW + x] * look.alpha;
                uint32_t pixel = (uint32_t)std::lround(a) << 24 |
                                 (uint32_t)std::lround(a * look.colour.r) << 16 |
                                 (uint32_t)std::lround(a * look.colour.g) << 8 |
                                 (uint32_t)std::lround(a * look.colour.b);
                std::memcpy(pixels + (cell.y + y) * stride + (cell.x + x) * 4, &pixel, 4);
            }
    }
    cairo_surface_mark_dirty(atlas.surface);
}
