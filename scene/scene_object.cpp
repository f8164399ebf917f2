// Scene objects: loading models and the per-frame walk of the tree.
#include "scene/scene_object.h"

#include <GL/gl.h>

#include "resources/mesh.h"
#include "resources/model_format.h"
#include "resources/pak_library.h"

SceneObject* worldRoot = nullptr;
SceneObject* currentObject = nullptr;

namespace {

// Run every hook of an object.  Indexed, because a hook may add hooks.
void runHooks(SceneObject& object) {
    for (size_t i = 0; i < object.drawHooks.size(); ++i)
        object.drawHooks[i]();
}

// The object's meshes, at the square of its scale when it is scaled.
void drawMeshes(SceneObject& object) {
    if (object.transform.scaled) {
        glPushMatrix();
        object.transform.applyScale();
    }
    for (int32_t i = 0; i < object.meshCount; ++i)
        object.meshes[i]->draw();
    if (object.transform.scaled) glPopMatrix();
}

// Free the children that finished dying; the others keep their order.
void removeDeadChildren(SceneObject& object) {
    std::vector<SceneObject*>& children = object.children;
    size_t kept = 0;
    for (size_t i = 0; i < children.size(); ++i) {
        if (children[i]->dead)
            delete children[i];
        else
            children[kept++] = children[i];
    }
    children.resize(kept);
}

} // namespace

SceneObject::SceneObject() {
    tracks.animator = &animator;
}

SceneObject::~SceneObject() {
    for (const std::string& pakFile : pakFiles)
        thePakLibrary.release(pakFile);
    for (Mesh* mesh : meshes)
        delete mesh;
    // Nothing in the game's own flow leaves children here, but a tree
    // deleted directly must not leak them.
    for (SceneObject* child : children)
        delete child;
}

void SceneObject::loadModel(const std::string& pakFile, const std::string& entryName) {
    pakFiles.push_back(pakFile);
    EntryBytes entry = thePakLibrary.entryData(pakFile, entryName);
    hasModel = true;
    if (!entry.bytes) return; // a missing entry loads no meshes
    const uint8_t* cursor = entry.bytes;
    const uint8_t* end = entry.bytes + entry.size;
    int32_t count = 0;
    if (!readModelHeader(cursor, end, count)) {
        pakOpenFailure(pakFile); // a damaged archive, like an unreadable one
        return;
    }
    for (int32_t i = 0; i < count; ++i) {
        Mesh* mesh = new Mesh;
        if (!mesh->parse(cursor, end, pakFile)) {
            // Counts that run past the entry's end: the archive is damaged
            // and the game ends as for an unreadable one.  (Where the
            // failure handler returns, the meshes read so far stay.)
            delete mesh;
            pakOpenFailure(pakFile);
            break;
        }
        meshes.push_back(mesh);
        ++meshCount;
    }
}

void SceneObject::addChild(SceneObject* child) {
    children.push_back(child);
}

void SceneObject::addDrawHook(DrawHookFn fn) {
    drawHooks.push_back(fn);
}

void SceneObject::draw() {
    currentObject = this;
    glPushMatrix();
    transform.apply();
    if (!dying) {
        animator.update();
        if (hasModel) {
            runHooks(*this);
            drawMeshes(*this);
        }
    }
    removeDeadChildren(*this);
    if (dying && children.empty()) {
        dead = true;
    } else {
        // Indexed: an effect run by a child's draw may add children here.
        for (size_t i = 0; i < children.size(); ++i) {
            SceneObject* child = children[i];
            if (dying) child->dying = true;
            child->draw();
        }
    }
    glPopMatrix();
}

void SceneObject::drawForPicking() {
    for (Mesh* mesh : meshes)
        mesh->drawGeometryOnly();
}
