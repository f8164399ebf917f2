// Picking: which pickable object lies under the mouse pointer.
//
// Objects with the hookPickable draw hook register themselves while drawn
// (addCandidate).  After the buffer swap, update runs two stages: GL
// selection mode through a 2x2 pick matrix finds the candidates touching
// the pointer, then those hits are drawn untextured with depth test, each in
// its own red value, into the back buffer, and one pixel read at the pointer
// decides.  Nearest wins; at equal depth the later hit wins.  The result,
// `picked`, is what the click tests of the next frame compare with.
//
// Both stages replay meshes with the matrices saved during the frame's
// draw; neither walks the tree.  `picked` is only compared, never followed.
#pragma once

#include <GL/gl.h>
#include <vector>

struct SceneObject;

constexpr int PICK_BUFFER_WORDS = 255;

struct PickState {
    GLuint selectBuffer[PICK_BUFFER_WORDS];
    std::vector<SceneObject*> candidates; // registered this frame, in draw order
    std::vector<SceneObject*> hits;       // found by the selection stage
    SceneObject* picked = nullptr;        // under the pointer at the last update

    void addCandidate();          // currentObject
    bool isCurrentPicked() const; // picked == currentObject
    void update();                // the two stages
};

extern PickState thePicker;
