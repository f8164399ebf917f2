// Frame redraw: paint only what changed since the last frame shown.
//
// On a machine without a graphics chip every pixel is filled by the CPU, and
// a full frame of the puzzle screen costs tens of milliseconds, most of it
// the meadow behind everything.  Yet most frames show exactly what the last
// one showed (a child looking, the pointer resting), and most of the others
// differ in one small place: the pointer moved, a piece pulses or flies.
//
// So the frame walks the tree as always (actions run, matrices are saved),
// but the opaque meshes are only recorded, like the blended ones already
// are.  Then the list of what would be drawn (each mesh with its matrix) is
// compared with the list of the last frame shown:
//   - the same list, nothing else changed: nothing is drawn or swapped; the
//     screen keeps its picture and the loop rests (app/still_rest.h);
//   - the same meshes, some of them moved: the rectangles covering where
//     they were and where they are now are cleared and redrawn under a
//     scissor (only meshes that reach into each), then swapped; this needs
//     a back buffer that keeps its pixels across the swap, which a software
//     rasteriser's does (checked once at start).  Changes far apart (the
//     pieces flying out to their scattered places) keep rectangles of
//     their own, not one box over the screen between them; rectangles that
//     overlap are joined, so no pixel is painted twice in a frame (each
//     rectangle is painted from nothing: the backdrop's copy or a clear);
//   - anything else (a mesh shown or hidden, one destroyed and another
//     made in its place, another camera, a changing procedural texture, an
//     exposed window, a change a full second after the last whole frame):
//     the whole frame, as before.  Meshes made or destroyed out of sight
//     (the next board, decoded while this one rests) change nothing shown.
//     A still screen is never repainted for time alone.
// Where the CPU draws, frames also start from a copy of the meadow (the
// backdrop meshes painted alone, kept in a texture while they stay put):
// a texel a pixel instead of the meadow's lit, filtered, depth-tested
// fill, for whole frames and parts alike.
// Every mesh's screen rectangle comes from its model-space box (Mesh bounds)
// under its saved matrix and the projection.  Picking's colour stage paints
// one back-buffer pixel after the swap; that pixel is repainted with the
// next change.
//
// `redrawEveryFrame` turns all of this off (every frame whole, as a plain
// loop would draw it, though still from the meadow's copy); tests and the
// benchmark use it to compare.
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <vector>

struct Mesh;

// A window rectangle in GL pixels (origin bottom left), x0 <= x < x1.
struct ScreenRect {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool empty() const { return x0 >= x1 || y0 >= y1; }
};

ScreenRect unionRect(const ScreenRect& a, const ScreenRect& b);
bool rectsTouch(const ScreenRect& a, const ScreenRect& b);

// Screen rectangle of a mesh's box under a model-view and a projection
// matrix and a viewport; the whole viewport when part of the box lies at or
// behind the eye.  Empty for a mesh with no triangles.
ScreenRect meshScreenRect(const Mesh& mesh, const GLdouble modelview[16],
                          const GLdouble projection[16], const GLint viewport[4]);

// One mesh of a frame: what decides its pixels besides its fixed record.
struct DrawnMesh {
    Mesh* mesh;
    uint64_t serial; // the mesh's, when recorded: the pointer may outlive it
    GLdouble matrix[16];
    uint8_t deferred; // drawn in the blended pass
    uint8_t depthTest, lighting; // blended pass: the state saved at its draw
    ScreenRect rect;
};

enum class RedrawKind { Nothing, Part, Whole };

// The most rectangles a part is painted in: each costs a pass over the
// meshes reaching into it, and beyond a few the passes cost more than the
// pixels they spare.
constexpr size_t MAX_PART_RECTS = 8;

// Add `r` to `rects`, a list of rectangles no two of which overlap, joining
// it with those it overlaps (and the joined box with those it then overlaps).
void addDisjointRect(std::vector<ScreenRect>& rects, ScreenRect r);
// Join rectangles of `rects` until at most `most` are left, each time the two
// whose joined box adds the fewest pixels; they still do not overlap.
void limitRects(std::vector<ScreenRect>& rects, size_t most);

// The picture the backdrop meshes paint on their own, kept in a texture the
// size of the window while they stay where they are (frame_redraw.cpp).
struct BackdropCopy {
    struct Kept {
        Mesh* mesh;
        uint64_t serial;
        GLuint texture;
        GLdouble matrix[16];
    };
    bool valid = false;
    GLuint texture = 0;
    int width = 0, height = 0;      // of the texture
    std::vector<Kept> meshes;       // the backdrop meshes copied, in walk order
    GLdouble projection[16] = {};
    GLint viewport[4] = {};

    // Whether `drawn` has the backdrop just as copied.
    bool matches(const std::vector<DrawnMesh>& drawn, const GLdouble nowProjection[16],
                 const GLint nowViewport[4]) const;
    // A texture of that size (kept when it already is).
    void reserve(int w, int h);
    // Clear the frame, paint the backdrop of `drawn` alone, copy it and clear
    // the depth buffer; false (nothing painted) when nothing can be kept.
    bool record(const std::vector<DrawnMesh>& drawn, const GLdouble nowProjection[16],
                const GLint nowViewport[4]);
    // The copy over the viewport, under the scissor if one is on, with the
    // depth buffer cleared.
    void paint() const;
};

struct FrameRedraw {
    bool valid = false;             // `shown` holds the last frame shown
    bool keepsBackBuffer = false;   // partial frames allowed
    bool keepsBackdrop = false;     // frames start from a copy of the backdrop
    BackdropCopy backdrop;
    bool wholeNext = false;         // e.g. the window was exposed
    GLdouble projection[16] = {};
    GLint viewport[4] = {};
    uint32_t wholeTicks = 0;        // when the last whole frame was drawn
    std::vector<DrawnMesh> shown;   // the last frame shown
    std::vector<DrawnMesh> next;    // this frame, being decided
    ScreenRect damage;              // back-buffer pixels spoilt since the last frame
    std::vector<ScreenRect> partRects; // a Part's rectangles, apart, inside the window
    RedrawKind lastKind = RedrawKind::Whole; // what the last frame did (tests, bench)
    void (*onDrawn)() = nullptr;    // tests: called after drawing, before the swap
    void (*onShown)() = nullptr;    // benchmark: called right after the swap

    // Once the window is open: whether its back buffer survives a swap.
    void probeBackBuffer();
    // After the walk: decide, draw what is needed (clearing first) and swap
    // when anything was drawn.  Empties recordedMeshes and deferredMeshes.
    RedrawKind finishFrame(uint32_t ticks);
    // The parts of finishFrame.  recordNext: `next` from the frame's draw
    // lists.  decide (no GL: tests call it): what `next` needs against
    // `shown` under this projection and viewport; for a Part, partRects are
    // the rectangles to repaint and `part` the box around them.  Fills
    // next's rectangles.  paint: clear and draw that, without the swap.
    void recordNext();
    RedrawKind decide(uint32_t ticks, const GLdouble nowProjection[16], const GLint nowViewport[4],
                      ScreenRect& part);
    void paint(RedrawKind kind, const GLdouble nowProjection[16], const GLint nowViewport[4]);
    void invalidate() { wholeNext = true; }
    void spoil(const ScreenRect& r); // pixels changed behind our back
    // Draw the frame last shown again, whole and from nothing, the backdrop
    // too (tests compare it with what was painted).
    void redrawShownWhole();
};

extern FrameRedraw theRedraw;
extern bool redrawEveryFrame; // every frame whole (tests, benchmark)

constexpr uint32_t WHOLE_FRAME_EVERY_MS = 1000; // a changing screen is repainted whole this often
