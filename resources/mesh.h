// Mesh: one textured triangle list of a model, drawn straight from the
// archive's memory with vertex arrays (doubles, one glDrawArrays per mesh).
//
// Made by SceneObject::loadModel, owned by that object.  parse points the
// mesh into its record and takes its texture: a procedural one from
// theProceduralTextures when the name's second character is '#', otherwise
// the image entry of the same archive through thePakLibrary.  The
// destructor gives the texture back the same way.
//
// Normal pass (draw): saves the modelview matrix (picking replays it); a
// blended mesh only records depth-test/lighting state and queues itself in
// deferredMeshes; others set material, bind, glColor3f(1,1,1), draw (or,
// while recordOpaqueMeshes is set, queue themselves in recordedMeshes for
// drawRecorded).
// drawDeferred draws a queued mesh after the tree with its saved matrix and
// blending on.  drawGeometryOnly draws positions only, for picking.
//
// A model bigger than anything the screen can show of it (the meadow, made
// wide enough for the widest screens) is loaded with meshSeenSpan set to
// the model-space x range that can be seen: a mesh whose texture runs left
// to right across its width then keeps only the columns over that range,
// and draws its u coordinates scaled onto them (uScale, uOffset).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resources/model_format.h"

struct Mesh {
    const uint8_t* material = nullptr; // MeshMaterial inside the archive
    bool depthTestWasOn = false;       // saved for the blended pass
    bool lightingWasOn = false;
    bool lightWasOn[8] = {};           // GL_LIGHT0 + 1 .. + 8
    int32_t triangleCount = 0;
    const uint8_t* positions = nullptr; // inside the archive
    const uint8_t* normals = nullptr;
    const uint8_t* texCoords = nullptr;
    std::string textureSource;          // archive file name, or the whole spec
    uint32_t texture = 0;               // GL texture name, 0 = none
    bool procedural = false;
    bool backdrop = false;              // behind everything: painted after the other opaque meshes
    double uScale = 1, uOffset = 0;     // u is drawn as u * uScale + uOffset (columns kept)
    double savedMatrix[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    double boundsMin[3] = {}; // model-space box of the positions
    double boundsMax[3] = {};
    // This mesh's own number, given when it is made and never given again:
    // a mesh made where a destroyed one lay has the same address but not
    // the same serial.
    uint64_t serial = 0;

    Mesh();  // counts in meshGeneration
    ~Mesh(); // counts in meshGeneration
    Mesh(const Mesh&) = delete;
    Mesh& operator=(const Mesh&) = delete;

    // Read one record at cursor (not past end), take the texture, advance.
    bool parse(const uint8_t*& cursor, const uint8_t* end, const std::string& pakFile);
    bool isBlended() const;
    bool isAlphaTested() const;
    bool isUnseen() const;
    void draw();
    void drawRecorded(); // an opaque mesh recorded by draw, with its saved matrix
    void drawDeferred();
    void drawGeometryOnly();
};

// The model-space x range that can be seen of the models loaded now (see
// above); first >= last: all of every texture.  Set around a loadModel.
struct SeenSpan {
    double first = 0, last = 0;
};
extern SeenSpan meshSeenSpan;

// The frame's draw lists, owned here beside the meshes that fill them.
// Blended meshes always queue themselves in deferredMeshes, to be drawn after
// the tree.  While recordOpaqueMeshes is set (the main loop's walk of the
// tree), draw only records opaque meshes in recordedMeshes too, in order;
// the frame redraw then decides what to paint and empties both.
extern std::vector<Mesh*> deferredMeshes; // blended meshes, drawn after the tree
extern bool recordOpaqueMeshes;
extern std::vector<Mesh*> recordedMeshes;

// Changes whenever a mesh is made or destroyed: while it stands still, a
// Mesh pointer names the same geometry it named before (picking relies on
// that to recognise an unchanged frame).
extern uint64_t meshGeneration;
