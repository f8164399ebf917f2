// SceneObject: the node of the scene tree; everything on screen is one.
//
// A node has its own placement (`transform`), an optional model made of
// meshes read from a .pak archive, an Animator and TrackSet for its timed
// behaviour, draw hooks, and owned children drawn in order.  The tree's root
// is worldRoot, made and destroyed by the start-up and shutdown.
//
// Drawing a node (once per frame, parent before children):
//   currentObject = this; push matrix; apply transform;
//   unless dying: animator update (runs effects = game logic, applies the
//   animation offset); if it has a model: its draw hooks, then its meshes
//   (at the square of its own scale when scaled);
//   children: free dead children (rescan from the first after each);
//   a dying node with no children becomes dead; otherwise each child (a
//   dying parent marks the child dying).
//
// Lifetime: created with new, owned by its parent from addChild on; `kill`
// only sets `dying`; the subtree stops drawing at once and is freed over the
// next frames, leaves first.  Game code never deletes objects.
//
// Ownership of resources: one archive reference per loadModel call (given
// back in the destructor through pakFiles), and each mesh its texture.
//
// Engine variables owned here: worldRoot and currentObject.  Their
// neighbours live with what sets them: currentAction with the action tracks,
// frameTime with the frame clock (base/), deferredMeshes with the meshes
// (resources/), the clickable objects with the picker (scene/picking.h).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "scene/action_track.h"
#include "scene/transform.h"

struct Mesh;

// A draw hook runs just before the meshes of a drawn object that has a
// model, with currentObject = that object (the picker's registration).
using DrawHookFn = void (*)();

struct SceneObject {
    Transform transform;               // own placement in the parent's space
    Animator animator;                 // live actions and animation offset
    TrackSet tracks;                   // its kind's named tracks, linked to animator
    bool dying = false;                // set by kill
    bool dead = false;                 // dying and childless: parent frees it
    std::vector<DrawHookFn> drawHooks; // run before the meshes
    std::vector<Mesh*> meshes;         // owned, in file order
    std::vector<std::string> pakFiles; // one per loadModel call
    int32_t meshCount = 0;             // meshes loaded over all calls
    bool hasModel = false;             // set by the first loadModel
    std::vector<SceneObject*> children; // owned, in drawing order

    SceneObject();
    ~SceneObject(); // releases archives and meshes; frees any remaining children
    SceneObject(const SceneObject&) = delete;
    SceneObject& operator=(const SceneObject&) = delete;

    void loadModel(const std::string& pakFile, const std::string& entryName);
    void addChild(SceneObject* child);
    void kill() { dying = true; }
    void addDrawHook(DrawHookFn fn);
    void draw();
    void drawForPicking(); // every mesh's geometry with its saved matrix

    // The placement operations, applied to the object's own transform.
    void setPosition(double x, double y, double z) { transform.setPosition(x, y, z); }
    void setRotation(double x, double y, double z) { transform.setRotation(x, y, z); }
    void setScale(double x, double y, double z) { transform.setScale(x, y, z); }
    void move(double dx, double dy, double dz) { transform.move(dx, dy, dz); }
    void turn(double dx, double dy, double dz) { transform.turn(dx, dy, dz); }
    void grow(double dx, double dy, double dz) { transform.grow(dx, dy, dz); }
    double positionX() const { return transform.positionX(); }
    double positionY() const { return transform.positionY(); }
    double positionZ() const { return transform.positionZ(); }
    double scaleX() const { return transform.scaleX(); }
    bool isScaled() const { return transform.isScaled(); }

    // The track operations, on the object's own track set.
    template <size_t N>
    void setTracks(const TrackSpec (&table)[N]) {
        tracks.setTracks(table);
    }
    void addAction(int32_t track, const Action& action) { tracks.addAction(track, action); }
    Action& firstAction(int32_t track) { return tracks.firstAction(track); }
    void startTrack(int32_t track) { tracks.startTrack(track); }
};

extern SceneObject* worldRoot;     // root of the scene tree; the game runs until it is dead
extern SceneObject* currentObject; // the object whose draw began last

