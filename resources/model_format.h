// Model entries: the byte layout of a model (a list of meshes) inside an
// archive entry, read without GL so it can be checked and fuzzed alone, and
// written by the art generator and the tests.
//
// Layout (little-endian, unaligned, fields back to back):
//   uint8 variant; if 255 an int32 length follows (unused); int32 mesh count M;
//   M mesh records:
//     int32 T (texture name length including its zero byte), T name bytes,
//     80 reserved bytes, 60-byte MeshMaterial, int32 triangle count N,
//     1 reserved byte, 72*N positions (3 vertices * xyz doubles),
//     72*N normals, 48*N texture coordinates (s, t doubles).
// A texture name whose second character is '#' is a procedural texture
// recipe; otherwise it names an image entry of the same archive.
// Texture coordinate t = 0 is the first row of the image file.
//
// NOTE: readers stop at the entry's real end: a record whose counts or
// lengths run past it is refused (and the game then treats its archive as
// damaged, see SceneObject::loadModel).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct MeshMaterial {            // 60 bytes in the file
    uint8_t alphaTest;           // draw with GL_ALPHA_TEST
    uint8_t blended;             // queue for the blended pass
    uint8_t unseen;              // never drawn: only there to be pointed at
    uint8_t reserved[1];
    float ambient[4];
    float diffuse[4];
    float specular[4];
    float shininess;
    uint8_t reserved2[4];
};
static_assert(sizeof(MeshMaterial) == 60, "material block is 60 bytes");

constexpr int MESH_RESERVED_BYTES = 80;
constexpr int MESH_MATERIAL_BYTES = 60;

// One mesh record as found in an entry: pointers into the entry's bytes.
struct MeshRecord {
    const char* textureName;  // zero-terminated within its length
    int32_t textureNameLength; // T, including the zero byte
    const uint8_t* material;  // 60 bytes
    int32_t triangleCount;    // N
    const uint8_t* positions; // 9 doubles per triangle
    const uint8_t* normals;   // 9 doubles per triangle
    const uint8_t* texCoords; // 6 doubles per triangle
};

// Read the header; cursor then points at the first mesh record.
bool readModelHeader(const uint8_t*& cursor, const uint8_t* end, int32_t& meshCount);
// Read one mesh record and advance past it; false if it does not fit.
bool readMeshRecord(const uint8_t*& cursor, const uint8_t* end, MeshRecord& out);
// Copy the material out of an (unaligned) record.
MeshMaterial readMaterial(const uint8_t* material);

// A mesh to write: texture name and per-vertex arrays (3 vertices per triangle).
struct MeshBuild {
    std::string textureName;
    MeshMaterial material;
    std::vector<double> positions; // x, y, z per vertex
    std::vector<double> normals;   // x, y, z per vertex
    std::vector<double> texCoords; // s, t per vertex
};

MeshMaterial defaultMaterial(); // white, opaque, no alpha test
// Serialise meshes into one model entry (variant 255 form when longHeader).
std::vector<uint8_t> buildModelEntry(const std::vector<MeshBuild>& meshes, bool longHeader = false);
