// Picking: which registered object is visible under the mouse pointer.
#include "scene/picking.h"

#include <GL/glu.h>

#include <cstring>

#include "base/input.h"
#include "base/video_context.h"
#include "resources/mesh.h"
#include "scene/scene_object.h"

PickState thePicker;

namespace {

constexpr int PICK_REGION_PIXELS = 2;
constexpr int FIRST_PICK_RED = 2; // red 0 is the cleared background

// Pick colours are counted in the red levels the window really has: with 5
// red bits (a 16-bit display) byte values 1 to 7 would all read back as 0.
int redLevels() {
    int bits = theVideo ? theVideo->redBits : 8;
    return bits > 0 && bits < 8 ? (1 << bits) - 1 : 255;
}

// The red byte for pick colour n, and the colour a red byte read back is.
GLubyte pickRed(int n) {
    return (GLubyte)((n * 255 + redLevels() / 2) / redLevels());
}
int pickColour(GLubyte red) {
    return (red * redLevels() + 127) / 255;
}

// The normal and texture-coordinate arrays, off while bare geometry is drawn.
void setSurfaceArrays(bool on) {
    if (on) {
        glEnableClientState(GL_NORMAL_ARRAY);
        glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    } else {
        glDisableClientState(GL_NORMAL_ARRAY);
        glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    }
}

// Hit records in selectBuffer: name count, two depths, the names.
void collectHits(PickState& picker, GLint hitCount) {
    GLuint pos = 0;
    for (GLint h = 0; h < hitCount; ++h) {
        if (pos + 3 > (GLuint)PICK_BUFFER_WORDS) return;
        GLuint names = picker.selectBuffer[pos];
        pos += 3;
        for (GLuint n = 0; n < names && pos < (GLuint)PICK_BUFFER_WORDS; ++n, ++pos) {
            GLuint index = picker.selectBuffer[pos];
            if (index < picker.candidates.size()) picker.hits.push_back(picker.candidates[index]);
        }
    }
}

// Stage one: the candidates that touch the 2x2 pixels at the pointer.
void selectionStage(PickState& picker, const GLdouble projection[16], const GLint viewport[4]) {
    picker.hits.clear();
    glSelectBuffer(PICK_BUFFER_WORDS, picker.selectBuffer);
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(0);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPickMatrix(mouseX, viewport[3] - mouseY, PICK_REGION_PIXELS, PICK_REGION_PIXELS,
                  const_cast<GLint*>(viewport));
    glMultMatrixd(projection);
    glMatrixMode(GL_MODELVIEW);
    setSurfaceArrays(false);
    for (size_t i = 0; i < picker.candidates.size(); ++i) {
        glLoadName((GLuint)i);
        picker.candidates[i]->drawForPicking();
    }
    setSurfaceArrays(true);
    glFlush();
    GLint hitCount = glRenderMode(GL_RENDER);
    if (hitCount > 0) collectHits(picker, hitCount); // negative: the buffer overflowed
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixd(projection);
    glMatrixMode(GL_MODELVIEW);
}

// Stage two: the hits drawn flat in their own red values; the pointer's
// pixel names the visible one.  Returns that pixel's red byte (0: none).
GLubyte colourStage(PickState& picker) {
    // The pointer's own pixel: SDL counts rows from the top, GL from the
    // bottom, so SDL row y is GL row height - 1 - y.
    int height = theVideo ? theVideo->height : 0;
    int width = theVideo ? theVideo->width : 0;
    int readY = height - 1 - mouseY;
    if (mouseX < 0 || mouseX >= width || readY < 0 || readY >= height) return 0;

    // Only that pixel is read, so only that pixel is cleared and drawn: the
    // scissor keeps the stage from filling the whole screen again.
    glEnable(GL_SCISSOR_TEST);
    glScissor(mouseX, readY, 1, 1);
    // Multisampling would blend neighbouring hits' reds at an edge into a
    // third, wrong index; without it each pixel takes exactly one colour.
    bool multisampled = theVideo->multisampled;
    if (multisampled) glDisable(GL_MULTISAMPLE);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    picker.paintedX = mouseX; // the frame redraw repaints it with the next change
    picker.paintedY = readY;
    glLoadIdentity();
    glPushAttrib(GL_CURRENT_BIT);
    glDisable(GL_TEXTURE_2D);
    setSurfaceArrays(false);
    for (size_t k = 0; k < picker.hits.size(); ++k) {
        glColor3ub(pickRed((int)k + FIRST_PICK_RED), 255, 255);
        picker.hits[k]->drawForPicking();
    }
    setSurfaceArrays(true);
    glEnable(GL_TEXTURE_2D);
    glPopAttrib();
    glFlush();
    if (multisampled) glEnable(GL_MULTISAMPLE);
    glDisable(GL_SCISSOR_TEST);

    GLubyte pixel[4] = {};
    glReadPixels(mouseX, readY, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, pixel);
    return pixel[0];
}

// Whether this frame's candidates are, mesh for mesh and matrix for
// matrix, the ones the memory was taken from.
bool sameScene(const PickMemory& memory, const std::vector<SceneObject*>& candidates) {
    size_t k = 0;
    for (SceneObject* object : candidates) {
        if (object->meshes.empty()) {
            if (k == memory.scene.size() || memory.scene[k].object != object ||
                memory.scene[k].mesh != nullptr)
                return false;
            ++k;
        }
        for (const Mesh* mesh : object->meshes) {
            if (k == memory.scene.size()) return false;
            const PickedMesh& seen = memory.scene[k++];
            if (seen.object != object || seen.mesh != mesh ||
                std::memcmp(seen.matrix, mesh->savedMatrix, sizeof seen.matrix) != 0)
                return false;
        }
    }
    return k == memory.scene.size();
}

// Whether an update now would only repeat the last one.
bool nothingChanged(const PickState& picker, const GLdouble projection[16],
                    const GLint viewport[4]) {
    const PickMemory& memory = picker.memory;
    return memory.valid && memory.mouseX == mouseX && memory.mouseY == mouseY &&
           memory.meshGeneration == meshGeneration && memory.picked == picker.picked &&
           memory.hits == picker.hits &&
           std::memcmp(memory.projection, projection, sizeof memory.projection) == 0 &&
           std::memcmp(memory.viewport, viewport, sizeof memory.viewport) == 0 &&
           sameScene(memory, picker.candidates);
}

// Note what this update's stages are computed from (before the candidates go).
void rememberInputs(PickState& picker, const GLdouble projection[16], const GLint viewport[4]) {
    PickMemory& memory = picker.memory;
    memory.mouseX = mouseX;
    memory.mouseY = mouseY;
    memory.meshGeneration = meshGeneration;
    std::memcpy(memory.projection, projection, sizeof memory.projection);
    std::memcpy(memory.viewport, viewport, sizeof memory.viewport);
    memory.scene.clear();
    for (SceneObject* object : picker.candidates) {
        if (object->meshes.empty()) memory.scene.push_back({object, nullptr, {}});
        for (const Mesh* mesh : object->meshes) {
            memory.scene.push_back({object, mesh, {}});
            std::memcpy(memory.scene.back().matrix, mesh->savedMatrix,
                        sizeof memory.scene.back().matrix);
        }
    }
}

} // namespace

void hookPickable() {
    thePicker.addCandidate();
}

void PickState::addCandidate() {
    if (currentObject != leftOut) candidates.push_back(currentObject);
}

bool PickState::isCurrentPicked() const {
    return picked == currentObject;
}

void PickState::update() {
    GLdouble projection[16];
    GLint viewport[4];
    paintedX = paintedY = -1;
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    if (nothingChanged(*this, projection, viewport)) {
        candidates.clear();
        return;
    }
    rememberInputs(*this, projection, viewport);
    selectionStage(*this, projection, viewport);
    candidates.clear();
    int index = pickColour(colourStage(*this)) - FIRST_PICK_RED;
    picked = nullptr;
    if (index >= 0 && (size_t)index < hits.size()) picked = hits[(size_t)index];
    memory.hits = hits;
    memory.picked = picked;
    memory.valid = true;
}
