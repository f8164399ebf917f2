// Picking: which pickable object lies under the mouse pointer.
//
// Objects with the hookPickable draw hook (defined here, beside what it
// feeds) register themselves while drawn (addCandidate).  After the buffer swap, update runs two stages: GL
// selection mode through a 2x2 pick matrix finds the candidates touching
// the pointer, then those hits are drawn untextured with depth test, each in
// its own red value, into the back buffer, and one pixel read at the pointer
// decides.  Nearest wins; at equal depth the later hit wins.  The result,
// `picked`, is what the click tests of the next frame compare with.
//
// Both stages replay meshes with the matrices saved during the frame's
// draw; neither walks the tree.  `picked` is only compared, never followed.
// The colour stage paints one back-buffer pixel (paintedX, paintedY); the
// main loop tells the frame redraw, which repaints it with the next change.
//
// A frame that brings what the last full update saw (the same pointer
// position, projection, candidates in the same order, each with the same
// meshes drawn with the same matrices, and no mesh made or destroyed since)
// would find the same answer: both stages are skipped and `picked` and
// `hits` stay.  With the pointer resting over a still board that is most
// frames.
//
// `leftOut` is an object the picker looks through: a piece carried under
// the pointer would otherwise always be what lies there, and hide the place
// it is let go over.
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <vector>

struct Mesh;
struct SceneObject;

// One mesh of a candidate as the last full update drew it.
struct PickedMesh {
    const SceneObject* object; // the candidate it belongs to
    const Mesh* mesh;          // null: a candidate without meshes
    GLdouble matrix[16];       // its saved matrix then
};

// What the last full update was computed from, and what it found.
struct PickMemory {
    bool valid = false;
    int mouseX = 0, mouseY = 0;
    GLdouble projection[16] = {};
    GLint viewport[4] = {};
    uint64_t meshGeneration = 0;
    std::vector<PickedMesh> scene;  // every candidate's meshes, in order
    std::vector<SceneObject*> hits; // what the stages found
    SceneObject* picked = nullptr;
};

constexpr int PICK_BUFFER_WORDS = 255;

struct PickState {
    GLuint selectBuffer[PICK_BUFFER_WORDS];
    std::vector<SceneObject*> candidates; // registered this frame, in draw order
    std::vector<SceneObject*> hits;       // found by the selection stage
    SceneObject* picked = nullptr;        // under the pointer at the last update
    PickMemory memory;                    // the last full update's inputs and result
    int paintedX = -1, paintedY = -1;     // GL pixel the last update painted; -1: none
    const SceneObject* leftOut = nullptr; // not registered while drawn (a carried piece)

    void addCandidate();          // currentObject, unless it is leftOut
    bool isCurrentPicked() const; // picked == currentObject
    void update();                // the two stages, unless nothing changed
};

extern PickState thePicker;

// The draw hook that makes an object clickable: it registers currentObject
// with the picker.
void hookPickable();
