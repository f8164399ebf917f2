// Meshes: one textured triangle list of a model, drawn from archive memory.
#include "resources/mesh.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "resources/pak_library.h"
#include "resources/procedural_texture.h"

namespace {

constexpr int SAVED_LIGHTS = 8; // GL_LIGHT0 + 1 .. GL_LIGHT0 + 8

// The material block's colours and shininess, on both faces.
void applyMaterial(const uint8_t* block) {
    MeshMaterial material = readMaterial(block);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, material.shininess);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, material.specular);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, material.diffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, material.ambient);
}

// Point the three client arrays at the mesh and draw its triangles.
void drawArrays(const Mesh& mesh) {
    if (mesh.triangleCount <= 0) return;
    bool cropped = mesh.uScale != 1 || mesh.uOffset != 0;
    if (cropped) {
        glMatrixMode(GL_TEXTURE);
        glLoadIdentity();
        glTranslated(mesh.uOffset, 0, 0);
        glScaled(mesh.uScale, 1, 1);
        glMatrixMode(GL_MODELVIEW);
    }
    glTexCoordPointer(2, GL_DOUBLE, 0, mesh.texCoords);
    glVertexPointer(3, GL_DOUBLE, 0, mesh.positions);
    glNormalPointer(GL_DOUBLE, 0, mesh.normals);
    glDrawArrays(GL_TRIANGLES, 0, 3 * mesh.triangleCount);
    if (cropped) {
        glMatrixMode(GL_TEXTURE);
        glLoadIdentity();
        glMatrixMode(GL_MODELVIEW);
    }
}

constexpr double U_ALONG_X_SLACK = 1e-4; // texture coordinates are stored as doubles

// The part of the mesh's texture width (fractions, left to right) over
// meshSeenSpan; false when nothing is asked or u is not a rising linear
// function of x across the mesh (a flat sheet facing the eye).
bool seenPartOf(const Mesh& mesh, double& first, double& last) {
    if (!(meshSeenSpan.first < meshSeenSpan.last) || mesh.triangleCount <= 0) return false;
    auto vertex = [&mesh](int32_t v, double& x, double& u) {
        double p[3], uv[2];
        std::memcpy(p, mesh.positions + (size_t)v * sizeof p, sizeof p);
        std::memcpy(uv, mesh.texCoords + (size_t)v * sizeof uv, sizeof uv);
        x = p[0], u = uv[0];
    };
    // u = u0 + slope * (x - x0), from the first vertex and one apart from it in x.
    double x0, u0, slope = 0;
    vertex(0, x0, u0);
    for (int32_t v = 1; v < 3 * mesh.triangleCount && slope == 0; ++v) {
        double x, u;
        vertex(v, x, u);
        if (x != x0) slope = (u - u0) / (x - x0);
    }
    if (!(slope > 0)) return false;
    for (int32_t v = 0; v < 3 * mesh.triangleCount; ++v) {
        double x, u;
        vertex(v, x, u);
        if (std::fabs(u - (u0 + slope * (x - x0))) > U_ALONG_X_SLACK) return false;
    }
    // What can be seen of the mesh itself: beyond its edges the texture may
    // hold a strip the mesh never shows.
    double left = std::max(meshSeenSpan.first, mesh.boundsMin[0]);
    double right = std::min(meshSeenSpan.last, mesh.boundsMax[0]);
    if (!(left < right)) return false;
    first = u0 + slope * (left - x0);
    last = u0 + slope * (right - x0);
    return true;
}

// Number of lights this GL has; lights beyond it read as off.
GLint maxLights() {
    GLint lights = 0;
    glGetIntegerv(GL_MAX_LIGHTS, &lights);
    return lights;
}

// The model-space box around every vertex (positions are unaligned doubles).
void findBounds(Mesh& mesh) {
    for (int axis = 0; axis < 3; ++axis) {
        mesh.boundsMin[axis] = 0;
        mesh.boundsMax[axis] = 0;
    }
    for (int32_t v = 0; v < 3 * mesh.triangleCount; ++v) {
        double p[3];
        std::memcpy(p, mesh.positions + (size_t)v * sizeof p, sizeof p);
        for (int axis = 0; axis < 3; ++axis) {
            if (v == 0 || p[axis] < mesh.boundsMin[axis]) mesh.boundsMin[axis] = p[axis];
            if (v == 0 || p[axis] > mesh.boundsMax[axis]) mesh.boundsMax[axis] = p[axis];
        }
    }
}

// The opaque draw with the current matrix.
void drawOpaque(const Mesh& mesh) {
    bool alphaTest = mesh.isAlphaTested();
    if (alphaTest) glEnable(GL_ALPHA_TEST);
    applyMaterial(mesh.material);
    glBindTexture(GL_TEXTURE_2D, mesh.texture);
    glEnable(GL_COLOR_MATERIAL);
    glColor3f(1, 1, 1);
    drawArrays(mesh);
    if (alphaTest) glDisable(GL_ALPHA_TEST);
}

} // namespace

uint64_t meshGeneration = 0;
SeenSpan meshSeenSpan;
std::vector<Mesh*> deferredMeshes;
bool recordOpaqueMeshes = false;
std::vector<Mesh*> recordedMeshes;

Mesh::Mesh() {
    serial = ++meshGeneration;
}

Mesh::~Mesh() {
    ++meshGeneration;
    if (procedural)
        theProceduralTextures.release(textureSource);
    else if (!textureSource.empty())
        thePakLibrary.releaseTexture(textureSource, texture);
}

bool Mesh::parse(const uint8_t*& cursor, const uint8_t* end, const std::string& pakFile) {
    MeshRecord record;
    if (!readMeshRecord(cursor, end, record)) return false;
    material = record.material;
    triangleCount = record.triangleCount;
    positions = record.positions;
    normals = record.normals;
    texCoords = record.texCoords;
    findBounds(*this);

    // A name that is not terminated within its length names nothing.
    if (record.textureNameLength <= 0 ||
        !std::memchr(record.textureName, 0, (size_t)record.textureNameLength))
        return true;
    std::string name(record.textureName);
    if (name.size() >= 2 && name[1] == '#') {
        texture = theProceduralTextures.acquire(name);
        if (texture != 0) {
            textureSource = name;
            procedural = true;
        }
    } else {
        textureSeenPart = SeenPart();
        seenPartOf(*this, textureSeenPart.first, textureSeenPart.last);
        texture = thePakLibrary.texture(pakFile, name);
        textureSource = pakFile; // the archive reference is held even for 0
        const TextureColumns& kept = textureSeenPart.answer;
        if (texture != 0 && kept.kept > 0 && kept.kept < kept.width) {
            uScale = (double)kept.width / kept.kept;
            uOffset = -(double)kept.first / kept.kept;
        }
        textureSeenPart = SeenPart();
    }
    return true;
}

bool Mesh::isBlended() const {
    return material && material[1] != 0;
}

bool Mesh::isAlphaTested() const {
    return material && material[0] != 0;
}

bool Mesh::isUnseen() const {
    return material && material[2] != 0;
}

void Mesh::draw() {
    glGetDoublev(GL_MODELVIEW_MATRIX, savedMatrix); // also where it is pointed at
    if (isUnseen()) return;
    if (isBlended()) {
        depthTestWasOn = glIsEnabled(GL_DEPTH_TEST);
        lightingWasOn = glIsEnabled(GL_LIGHTING);
        if (lightingWasOn) {
            GLint lights = maxLights();
            for (int n = 1; n <= SAVED_LIGHTS; ++n)
                lightWasOn[n - 1] = n < lights && glIsEnabled(GL_LIGHT0 + n);
        }
        deferredMeshes.push_back(this);
        return;
    }
    if (recordOpaqueMeshes) {
        recordedMeshes.push_back(this);
        return;
    }
    drawOpaque(*this);
}

void Mesh::drawRecorded() {
    glLoadMatrixd(savedMatrix);
    drawOpaque(*this);
}

void Mesh::drawDeferred() {
    if (!depthTestWasOn) glDisable(GL_DEPTH_TEST);
    if (lightingWasOn) {
        glEnable(GL_LIGHTING);
        for (int n = 1; n <= SAVED_LIGHTS; ++n)
            if (lightWasOn[n - 1]) glEnable(GL_LIGHT0 + n);
    }
    bool alphaTest = isAlphaTested();
    if (alphaTest) glEnable(GL_ALPHA_TEST);
    glLoadMatrixd(savedMatrix);
    glEnable(GL_BLEND);
    applyMaterial(material);
    glBindTexture(GL_TEXTURE_2D, texture);
    glColor3f(1, 1, 1);
    drawArrays(*this);
    if (!depthTestWasOn) glEnable(GL_DEPTH_TEST);
    if (lightingWasOn) {
        glDisable(GL_LIGHTING);
        for (int n = 1; n <= SAVED_LIGHTS; ++n)
            if (lightWasOn[n - 1]) glDisable(GL_LIGHT0 + n);
    }
    if (alphaTest) glDisable(GL_ALPHA_TEST);
    glDisable(GL_BLEND);
}

void Mesh::drawGeometryOnly() {
    glLoadMatrixd(savedMatrix);
    if (triangleCount <= 0) return;
    glVertexPointer(3, GL_DOUBLE, 0, positions);
    glDrawArrays(GL_TRIANGLES, 0, 3 * triangleCount);
}
