// Frame redraw: the whole frame, a part of it, or nothing.
#include "app/frame_redraw.h"

#include <SDL/SDL.h>
#include <sys/mman.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "base/video_context.h"
#include "resources/mesh.h"
#include "resources/procedural_texture.h"

FrameRedraw theRedraw;
bool redrawEveryFrame = false;

namespace {

// A part larger than this share of the screen is drawn as a whole frame:
// the scissor would save little and the rectangles cost their own work.
constexpr double PART_SHARE_LIMIT = 0.6;
constexpr int PART_MARGIN = 2; // pixels around a part: filtering reaches one texel out
constexpr double NEAREST_W = 1e-6;
constexpr GLubyte PROBE_RED = 1, PROBE_GREEN = 2, PROBE_BLUE = 3;

// out = a * b, column-major 4x4 as GL keeps them.
void multiply(const GLdouble a[16], const GLdouble b[16], GLdouble out[16]) {
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r) {
            double sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += a[k * 4 + r] * b[c * 4 + k];
            out[c * 4 + r] = sum;
        }
}

ScreenRect wholeViewport(const GLint viewport[4]) {
    return {viewport[0], viewport[1], viewport[0] + viewport[2], viewport[1] + viewport[3]};
}

ScreenRect clampRect(const ScreenRect& r, const GLint viewport[4]) {
    ScreenRect v = wholeViewport(viewport);
    ScreenRect out = {std::max(r.x0, v.x0), std::max(r.y0, v.y0), std::min(r.x1, v.x1),
                      std::min(r.y1, v.y1)};
    return out.empty() ? ScreenRect{} : out;
}

long rectArea(const ScreenRect& r) {
    return r.empty() ? 0 : (long)(r.x1 - r.x0) * (r.y1 - r.y0);
}

long rectsArea(const std::vector<ScreenRect>& rects) {
    long area = 0;
    for (const ScreenRect& r : rects)
        area += rectArea(r);
    return area;
}

void recordMesh(std::vector<DrawnMesh>& list, Mesh* mesh, bool deferred) {
    DrawnMesh drawn;
    drawn.mesh = mesh;
    drawn.serial = mesh->serial;
    std::memcpy(drawn.matrix, mesh->savedMatrix, sizeof drawn.matrix);
    drawn.deferred = deferred;
    drawn.depthTest = deferred && mesh->depthTestWasOn;
    drawn.lighting = deferred && mesh->lightingWasOn;
    list.push_back(drawn);
}

bool sameLook(const DrawnMesh& a, const DrawnMesh& b) {
    return std::memcmp(a.matrix, b.matrix, sizeof a.matrix) == 0 &&
           a.depthTest == b.depthTest && a.lighting == b.lighting;
}

// Draw a recorded frame (opaque meshes first, then the blended ones, each
// in walk order): every mesh, or those reaching into `part`.  The backdrop
// comes last of the opaque meshes: lying behind all of them it looks the
// same, and the depth test then skips its pixels under the board instead
// of filling them only to be painted over.  `withBackdrop` false leaves it
// out (its copy is already in the frame).
void drawMeshes(const std::vector<DrawnMesh>& drawn, const ScreenRect* part,
                bool withBackdrop = true) {
    for (bool backdrop : {false, true}) {
        if (backdrop && !withBackdrop) break;
        for (const DrawnMesh& d : drawn)
            if (!d.deferred && d.mesh->backdrop == backdrop && (!part || rectsTouch(d.rect, *part)))
                d.mesh->drawRecorded();
    }
    glDepthMask(GL_FALSE);
    for (const DrawnMesh& d : drawn)
        if (d.deferred && (!part || rectsTouch(d.rect, *part))) d.mesh->drawDeferred();
    glDepthMask(GL_TRUE);
}

bool hasExtension(const char* name) {
    const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    return extensions && std::strstr(extensions, name);
}

} // namespace

// The backdrop's picture: what the meshes marked backdrop paint on their
// own, copied from the back buffer into a texture the size of the window.
// While they stay where they are (the same meshes, matrices, projection and
// window), a frame starts from that copy, one texel a pixel with no
// lighting, filtering or depth test, instead of drawing the meadow again.
// The copy is exact, so the frame is too: everything else lies in front of
// the backdrop and is drawn over it as before.
bool BackdropCopy::matches(const std::vector<DrawnMesh>& drawn, const GLdouble nowProjection[16],
                           const GLint nowViewport[4]) const {
    if (!valid || std::memcmp(projection, nowProjection, sizeof projection) != 0 ||
        std::memcmp(viewport, nowViewport, sizeof viewport) != 0)
        return false;
    size_t n = 0;
    for (const DrawnMesh& d : drawn) {
        if (d.deferred || !d.mesh->backdrop) continue;
        if (n == meshes.size() || meshes[n].mesh != d.mesh || meshes[n].serial != d.serial ||
            meshes[n].texture != d.mesh->texture ||
            std::memcmp(meshes[n].matrix, d.matrix, sizeof d.matrix) != 0)
            return false;
        ++n;
    }
    return n == meshes.size() && n > 0;
}

void BackdropCopy::reserve(int w, int h) {
    if (texture == 0) glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    if (w == width && h == height) return;
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, w, h, 0, GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    width = w, height = h;
}

// Paint the backdrop alone over a cleared frame and keep its picture; false
// when there is no backdrop or one of its meshes changes by itself.
bool BackdropCopy::record(const std::vector<DrawnMesh>& drawn, const GLdouble nowProjection[16],
                          const GLint nowViewport[4]) {
    valid = false;
    meshes.clear();
    for (const DrawnMesh& d : drawn) {
        if (d.deferred || !d.mesh->backdrop) continue;
        if (d.mesh->procedural) return false;
        Kept kept;
        kept.mesh = d.mesh;
        kept.serial = d.serial;
        kept.texture = d.mesh->texture;
        std::memcpy(kept.matrix, d.matrix, sizeof kept.matrix);
        meshes.push_back(kept);
    }
    // Read back and given to the texture in the back buffer's own layout:
    // two plain copies.  (Copying straight into the texture costs the
    // rasteriser another 14 MB it never gives back.)  The scratch is mapped
    // for the moment, so none of it stays in the heap.
    int w = nowViewport[2], h = nowViewport[3];
    size_t bytes = (size_t)w * h * 4;
    void* pixels = meshes.empty() ? MAP_FAILED
                                  : mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                                         MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (pixels == MAP_FAILED) {
        meshes.clear();
        return false;
    }
    reserve(w, h);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    for (const DrawnMesh& d : drawn)
        if (!d.deferred && d.mesh->backdrop) d.mesh->drawRecorded();
    glPixelStorei(GL_PACK_ALIGNMENT, 4); // the rows are whole pixels of 4 bytes
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glReadBuffer(GL_BACK);
    glReadPixels(nowViewport[0], nowViewport[1], w, h, GL_BGRA, GL_UNSIGNED_BYTE, pixels);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, w, h, GL_BGRA, GL_UNSIGNED_BYTE, pixels);
    munmap(pixels, bytes);
    glClear(GL_DEPTH_BUFFER_BIT); // the rest is drawn as over a copy
    std::memcpy(projection, nowProjection, sizeof projection);
    std::memcpy(viewport, nowViewport, sizeof viewport);
    valid = true;
    return true;
}

// The kept picture over the viewport (under the scissor, if one is on),
// and a cleared depth buffer.
void BackdropCopy::paint() const {
    glClear(GL_DEPTH_BUFFER_BIT);
    glPushAttrib(GL_ENABLE_BIT | GL_TEXTURE_BIT | GL_DEPTH_BUFFER_BIT | GL_CURRENT_BIT);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
    glEnable(GL_TEXTURE_2D);
    glDepthMask(GL_FALSE);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_TEXTURE);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDisableClientState(GL_NORMAL_ARRAY);
    static const GLfloat corners[8] = {-1, -1, 1, -1, 1, 1, -1, 1};
    static const GLfloat texels[8] = {0, 0, 1, 0, 1, 1, 0, 1};
    glVertexPointer(2, GL_FLOAT, 0, corners);
    glTexCoordPointer(2, GL_FLOAT, 0, texels);
    glDrawArrays(GL_QUADS, 0, 4);
    glEnableClientState(GL_NORMAL_ARRAY);
    glPopMatrix();
    glMatrixMode(GL_TEXTURE);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glPopAttrib();
}

ScreenRect unionRect(const ScreenRect& a, const ScreenRect& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1),
            std::max(a.y1, b.y1)};
}

bool rectsTouch(const ScreenRect& a, const ScreenRect& b) {
    return !a.empty() && !b.empty() && a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1;
}

void addDisjointRect(std::vector<ScreenRect>& rects, ScreenRect r) {
    if (r.empty()) return;
    for (size_t i = 0; i < rects.size();) {
        if (rectsTouch(rects[i], r)) {
            r = unionRect(r, rects[i]);
            rects.erase(rects.begin() + (long)i);
            i = 0; // the larger box may overlap one passed already
        } else {
            ++i;
        }
    }
    rects.push_back(r);
}

void limitRects(std::vector<ScreenRect>& rects, size_t most) {
    while (rects.size() > most && rects.size() > 1) {
        size_t bestA = 0, bestB = 1;
        long bestGrowth = -1;
        for (size_t a = 0; a < rects.size(); ++a)
            for (size_t b = a + 1; b < rects.size(); ++b) {
                long growth = rectArea(unionRect(rects[a], rects[b])) - rectArea(rects[a]) -
                              rectArea(rects[b]);
                if (bestGrowth < 0 || growth < bestGrowth) bestGrowth = growth, bestA = a, bestB = b;
            }
        ScreenRect joined = unionRect(rects[bestA], rects[bestB]);
        rects.erase(rects.begin() + (long)bestB);
        rects.erase(rects.begin() + (long)bestA);
        addDisjointRect(rects, joined);
    }
}

ScreenRect meshScreenRect(const Mesh& mesh, const GLdouble modelview[16],
                          const GLdouble projection[16], const GLint viewport[4]) {
    if (mesh.triangleCount <= 0) return {};
    GLdouble m[16];
    multiply(projection, modelview, m);
    double x0 = HUGE_VAL, y0 = HUGE_VAL, x1 = -HUGE_VAL, y1 = -HUGE_VAL;
    for (int corner = 0; corner < 8; ++corner) {
        double p[3] = {corner & 1 ? mesh.boundsMax[0] : mesh.boundsMin[0],
                       corner & 2 ? mesh.boundsMax[1] : mesh.boundsMin[1],
                       corner & 4 ? mesh.boundsMax[2] : mesh.boundsMin[2]};
        double clip[4];
        for (int r = 0; r < 4; ++r)
            clip[r] = m[r] * p[0] + m[4 + r] * p[1] + m[8 + r] * p[2] + m[12 + r];
        if (clip[3] <= NEAREST_W) return wholeViewport(viewport); // at or behind the eye
        double x = viewport[0] + (clip[0] / clip[3] + 1) * 0.5 * viewport[2];
        double y = viewport[1] + (clip[1] / clip[3] + 1) * 0.5 * viewport[3];
        x0 = std::min(x0, x);
        y0 = std::min(y0, y);
        x1 = std::max(x1, x);
        y1 = std::max(y1, y);
    }
    // Far outside the window (huge values): clamp before turning to int.
    ScreenRect v = wholeViewport(viewport);
    x0 = std::max(x0, (double)v.x0 - 1), y0 = std::max(y0, (double)v.y0 - 1);
    x1 = std::min(x1, (double)v.x1 + 1), y1 = std::min(y1, (double)v.y1 + 1);
    if (x0 >= x1 || y0 >= y1) return {};
    ScreenRect r = {(int)std::floor(x0) - PART_MARGIN, (int)std::floor(y0) - PART_MARGIN,
                    (int)std::ceil(x1) + PART_MARGIN, (int)std::ceil(y1) + PART_MARGIN};
    return clampRect(r, viewport);
}

void FrameRedraw::probeBackBuffer() {
    keepsBackBuffer = false;
    keepsBackdrop = false;
    backdrop = BackdropCopy(); // a new window: the old copy went with the old one
    const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    if (!isSoftwareRenderer(renderer)) return; // a graphics chip draws whole frames fast
    // One pixel in a colour nothing else uses; if the back buffer still has
    // it after a swap, it keeps its pixels.
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, 1, 1);
    glClearColor(PROBE_RED / 255.0f, PROBE_GREEN / 255.0f, PROBE_BLUE / 255.0f, 0);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
    glClearColor(0, 0, 0, 0);
    SDL_GL_SwapBuffers();
    GLubyte pixel[4] = {};
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, pixel);
    keepsBackBuffer = pixel[0] == PROBE_RED && pixel[1] == PROBE_GREEN && pixel[2] == PROBE_BLUE;
    valid = false;
    // The CPU draws the frames: they start from a copy of the backdrop,
    // where textures may be any size and samples are one a pixel.
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    keepsBackdrop = !theVideo->multisampled && (hasExtension("GL_ARB_texture_non_power_of_two") ||
                                                (version && std::atof(version) >= 2.0));
}

void FrameRedraw::redrawShownWhole() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawMeshes(shown, nullptr);
}

void FrameRedraw::spoil(const ScreenRect& r) {
    damage = unionRect(damage, r);
}

void FrameRedraw::recordNext() {
    next.clear();
    for (Mesh* mesh : recordedMeshes)
        recordMesh(next, mesh, false);
    for (Mesh* mesh : deferredMeshes)
        recordMesh(next, mesh, true);
}

RedrawKind FrameRedraw::decide(uint32_t ticks, const GLdouble nowProjection[16],
                               const GLint nowViewport[4], ScreenRect& part) {
    bool whole = redrawEveryFrame || !valid || wholeNext || !keepsBackBuffer ||
                 theProceduralTextures.openCount() > 0 ||
                 std::memcmp(projection, nowProjection, sizeof projection) != 0 ||
                 std::memcmp(viewport, nowViewport, sizeof viewport) != 0 ||
                 next.size() != shown.size();
    bool changed = whole;
    partRects.clear();
    addDisjointRect(partRects, damage);
    for (size_t i = 0; i < next.size() && !whole; ++i) {
        DrawnMesh& now = next[i];
        const DrawnMesh& before = shown[i];
        if (now.mesh != before.mesh || now.serial != before.serial ||
            now.deferred != before.deferred) {
            whole = true;
            break;
        }
        if (sameLook(now, before)) {
            now.rect = before.rect;
            continue;
        }
        changed = true;
        now.rect = meshScreenRect(*now.mesh, now.matrix, nowProjection, nowViewport);
        addDisjointRect(partRects, before.rect);
        addDisjointRect(partRects, now.rect);
    }
    part = {};
    if (!whole) {
        // Inside the window, where they stay apart.
        for (ScreenRect& r : partRects)
            r = clampRect(r, nowViewport);
        partRects.erase(std::remove_if(partRects.begin(), partRects.end(),
                                       [](const ScreenRect& r) { return r.empty(); }),
                        partRects.end());
        limitRects(partRects, MAX_PART_RECTS);
        for (const ScreenRect& r : partRects)
            part = unionRect(part, r);
        if (rectsArea(partRects) > PART_SHARE_LIMIT * nowViewport[2] * nowViewport[3]) whole = true;
    }
    // The periodic whole frame waits for a change: a still screen stays as it is.
    if ((changed || !part.empty()) && ticks - wholeTicks >= WHOLE_FRAME_EVERY_MS) whole = true;

    if (whole) {
        // The rectangles are only compared while parts may be painted.
        if (keepsBackBuffer && !redrawEveryFrame)
            for (DrawnMesh& now : next)
                now.rect = meshScreenRect(*now.mesh, now.matrix, nowProjection, nowViewport);
        return RedrawKind::Whole;
    }
    if (!changed && part.empty()) return RedrawKind::Nothing; // the screen shows this frame
    return RedrawKind::Part;
}

void FrameRedraw::paint(RedrawKind kind, const GLdouble nowProjection[16],
                        const GLint nowViewport[4]) {
    bool copied = keepsBackdrop && backdrop.matches(next, nowProjection, nowViewport);
    if (kind == RedrawKind::Whole) {
        // A back buffer that keeps its pixels lets the copy wait for a still
        // frame (finishFrame), out of the way of start-up and motion.
        if (copied)
            backdrop.paint();
        else if (keepsBackdrop && !keepsBackBuffer &&
                 backdrop.record(next, nowProjection, nowViewport))
            copied = true;
        else
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        drawMeshes(next, nullptr, !copied);
        return;
    }
    // Each rectangle from nothing, as the whole frame would paint its
    // pixels; they do not overlap, so none is painted twice.
    glEnable(GL_SCISSOR_TEST);
    for (const ScreenRect& r : partRects) {
        glScissor(r.x0, r.y0, r.x1 - r.x0, r.y1 - r.y0);
        if (copied)
            backdrop.paint();
        else
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        drawMeshes(next, &r, !copied);
    }
    glDisable(GL_SCISSOR_TEST);
}

RedrawKind FrameRedraw::finishFrame(uint32_t ticks) {
    GLdouble nowProjection[16];
    GLint nowViewport[4];
    glGetDoublev(GL_PROJECTION_MATRIX, nowProjection);
    glGetIntegerv(GL_VIEWPORT, nowViewport);
    recordNext();
    ScreenRect part;
    lastKind = decide(ticks, nowProjection, nowViewport, part);
    if (lastKind != RedrawKind::Nothing) {
        paint(lastKind, nowProjection, nowViewport);
        if (lastKind == RedrawKind::Whole) wholeTicks = ticks;
        shown.swap(next);
        if (onDrawn) onDrawn();
        SDL_GL_SwapBuffers();
        if (onShown) onShown();
        std::memcpy(projection, nowProjection, sizeof projection);
        std::memcpy(viewport, nowViewport, sizeof viewport);
        damage = {};
        wholeNext = false;
        valid = true;
    } else if (keepsBackdrop && !backdrop.matches(shown, projection, viewport)) {
        // Nothing moves: the meadow is copied now, and the back buffer given
        // the frame the screen shows again.
        if (backdrop.record(shown, projection, viewport)) drawMeshes(shown, nullptr, false);
    }
    recordedMeshes.clear();
    deferredMeshes.clear();
    return lastKind;
}
