// Model entries: bounds-checked reading of headers and mesh records, and
// writing of whole entries for the art generator and the tests.
#include "resources/model_format.h"

#include <cstring>

namespace {

constexpr uint8_t LONG_HEADER_VARIANT = 255; // an unused int32 follows the variant byte
constexpr uint8_t SHORT_HEADER_VARIANT = 0;
constexpr uint64_t POSITION_BYTES = 72; // per triangle: 3 vertices * 3 doubles
constexpr uint64_t NORMAL_BYTES = 72;   // per triangle: 3 normals * 3 doubles
constexpr uint64_t TEXCOORD_BYTES = 48; // per triangle: 3 vertices * 2 doubles
constexpr size_t POSITION_DOUBLES = 9;  // per triangle
constexpr size_t NORMAL_DOUBLES = 9;
constexpr size_t TEXCOORD_DOUBLES = 6;

// Little-endian signed 32-bit value at p (no alignment needed).
int32_t readI32(const uint8_t* p) {
    return (int32_t)((uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16 |
                     (uint32_t)p[3] << 24);
}

// Bytes left between cursor and end (0 when the cursor is already past it).
uint64_t remaining(const uint8_t* cursor, const uint8_t* end) {
    return cursor && end > cursor ? (uint64_t)(end - cursor) : 0;
}

void putI32(std::vector<uint8_t>& out, int32_t v) {
    uint32_t u = (uint32_t)v;
    for (int i = 0; i < 4; i++)
        out.push_back((uint8_t)(u >> (8 * i)));
}

void putBytes(std::vector<uint8_t>& out, const void* bytes, size_t size) {
    const uint8_t* p = (const uint8_t*)bytes;
    out.insert(out.end(), p, p + size);
}

// Exactly count doubles from values, zeros where the caller gave fewer.
void putDoubles(std::vector<uint8_t>& out, const std::vector<double>& values, size_t count) {
    for (size_t i = 0; i < count; i++) {
        double v = i < values.size() ? values[i] : 0.0;
        putBytes(out, &v, sizeof v);
    }
}

} // namespace

bool readModelHeader(const uint8_t*& cursor, const uint8_t* end, int32_t& meshCount) {
    meshCount = 0;
    const uint8_t* p = cursor;
    if (remaining(p, end) < 1) return false;
    uint8_t variant = *p++;
    if (variant == LONG_HEADER_VARIANT) {
        if (remaining(p, end) < 4) return false;
        p += 4;
    }
    if (remaining(p, end) < 4) return false;
    int32_t count = readI32(p);
    p += 4;
    if (count < 0) return false;
    meshCount = count;
    cursor = p;
    return true;
}

bool readMeshRecord(const uint8_t*& cursor, const uint8_t* end, MeshRecord& out) {
    const uint8_t* p = cursor;
    if (remaining(p, end) < 4) return false;
    int32_t nameLength = readI32(p);
    p += 4;
    if (nameLength < 1 || remaining(p, end) < (uint64_t)nameLength) return false;
    const char* name = (const char*)p;
    if (!std::memchr(name, 0, (size_t)nameLength)) return false;
    p += nameLength;
    if (remaining(p, end) < (uint64_t)MESH_RESERVED_BYTES + MESH_MATERIAL_BYTES + 4 + 1)
        return false;
    p += MESH_RESERVED_BYTES;
    const uint8_t* material = p;
    p += MESH_MATERIAL_BYTES;
    int32_t triangles = readI32(p);
    p += 4 + 1; // the count and the reserved byte after it
    if (triangles < 0) return false;
    uint64_t n = (uint64_t)triangles;
    if (remaining(p, end) < n * (POSITION_BYTES + NORMAL_BYTES + TEXCOORD_BYTES)) return false;

    out.textureName = name;
    out.textureNameLength = nameLength;
    out.material = material;
    out.triangleCount = triangles;
    out.positions = p;
    out.normals = p + n * POSITION_BYTES;
    out.texCoords = out.normals + n * NORMAL_BYTES;
    cursor = out.texCoords + n * TEXCOORD_BYTES;
    return true;
}

MeshMaterial readMaterial(const uint8_t* material) {
    MeshMaterial m;
    std::memcpy(&m, material, sizeof m);
    return m;
}

MeshMaterial defaultMaterial() {
    MeshMaterial m;
    std::memset(&m, 0, sizeof m);
    for (int i = 0; i < 4; i++) {
        m.ambient[i] = 1.0f;
        m.diffuse[i] = 1.0f;
    }
    return m;
}

std::vector<uint8_t> buildModelEntry(const std::vector<MeshBuild>& meshes, bool longHeader) {
    std::vector<uint8_t> body;
    putI32(body, (int32_t)meshes.size());
    for (const MeshBuild& mesh : meshes) {
        // The triangle count follows the positions; short normal or texture
        // coordinate arrays are padded with zeros so the record stays whole.
        size_t triangles = mesh.positions.size() / POSITION_DOUBLES;
        putI32(body, (int32_t)(mesh.textureName.size() + 1));
        putBytes(body, mesh.textureName.c_str(), mesh.textureName.size() + 1);
        body.insert(body.end(), MESH_RESERVED_BYTES, 0);
        putBytes(body, &mesh.material, sizeof mesh.material);
        putI32(body, (int32_t)triangles);
        body.push_back(0);
        putDoubles(body, mesh.positions, triangles * POSITION_DOUBLES);
        putDoubles(body, mesh.normals, triangles * NORMAL_DOUBLES);
        putDoubles(body, mesh.texCoords, triangles * TEXCOORD_DOUBLES);
    }
    std::vector<uint8_t> entry;
    if (longHeader) {
        entry.push_back(LONG_HEADER_VARIANT);
        putI32(entry, (int32_t)body.size()); // not read by the game; the rest's length
    } else {
        entry.push_back(SHORT_HEADER_VARIANT);
    }
    entry.insert(entry.end(), body.begin(), body.end());
    return entry;
}
