// The picture archives as the game will read them: every archive and entry
// the puzzle names exists and parses with the game's own readers, the pieces
// of each cut tile the board exactly, neighbours share their edges, places
// and shadows fit their pieces, and every image is a texture the game can
// upload.  Reads the archives art_gen wrote into $MEADOW_GAME_DIR.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "puzzle/picture_tables.h"
#include "puzzle/piece_play.h"
#include "puzzle/puzzle_board.h"
#include "resources/model_format.h"
#include "resources/pak_archive.h"
#include "tests/art/written_archives.h"

namespace {

struct Vertex {
    double x, y, z;    // position
    double nx, ny, nz; // normal
    double s, t;       // texture coordinates
};

struct LoadedMesh {
    std::string texture;
    MeshMaterial material;
    std::vector<Vertex> vertices; // 3 per triangle
};

// Parse a model entry; false (with a test failure) when it does not fit its entry exactly.
bool loadModel(const std::string& file, const std::string& entry, std::vector<LoadedMesh>& out) {
    out.clear();
    EntryBytes bytes = archive(file).entryData(entry);
    if (!bytes.bytes) {
        ADD_FAILURE() << file << " has no entry " << entry;
        return false;
    }
    const uint8_t* cursor = bytes.bytes;
    const uint8_t* end = bytes.bytes + bytes.size;
    int32_t meshCount = 0;
    if (!readModelHeader(cursor, end, meshCount) || meshCount < 1) {
        ADD_FAILURE() << file << ":" << entry << " has no model header";
        return false;
    }
    for (int m = 0; m < meshCount; m++) {
        MeshRecord record;
        if (!readMeshRecord(cursor, end, record)) {
            ADD_FAILURE() << file << ":" << entry << " mesh " << m << " runs past the entry";
            return false;
        }
        LoadedMesh mesh;
        mesh.texture = record.textureName;
        mesh.material = readMaterial(record.material);
        for (int v = 0; v < record.triangleCount * 3; v++) {
            Vertex vx;
            vx.x = readDouble(record.positions + v * 24);
            vx.y = readDouble(record.positions + v * 24 + 8);
            vx.z = readDouble(record.positions + v * 24 + 16);
            vx.nx = readDouble(record.normals + v * 24);
            vx.ny = readDouble(record.normals + v * 24 + 8);
            vx.nz = readDouble(record.normals + v * 24 + 16);
            vx.s = readDouble(record.texCoords + v * 16);
            vx.t = readDouble(record.texCoords + v * 16 + 8);
            mesh.vertices.push_back(vx);
        }
        out.push_back(mesh);
    }
    EXPECT_EQ(cursor, end) << file << ":" << entry << " has bytes after its last mesh";
    return true;
}

// Signed area in the x-y plane of triangle k of a mesh.
double triangleArea(const std::vector<Vertex>& v, size_t k) {
    const Vertex &a = v[3 * k], &b = v[3 * k + 1], &c = v[3 * k + 2];
    return ((b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y)) / 2;
}

// The edges used by exactly one triangle (the outline), directed as the triangles run.
struct Edge {
    double ax, ay, bx, by;
};
std::vector<Edge> boundaryEdges(const std::vector<Vertex>& v) {
    std::map<std::pair<std::pair<double, double>, std::pair<double, double>>, int> uses;
    auto key = [](const Vertex& a, const Vertex& b) {
        return std::make_pair(std::make_pair(a.x, a.y), std::make_pair(b.x, b.y));
    };
    for (size_t i = 0; i < v.size(); i += 3)
        for (int e = 0; e < 3; e++) {
            const Vertex &a = v[i + e], &b = v[i + (e + 1) % 3];
            auto reverse = uses.find(key(b, a));
            if (reverse != uses.end() && reverse->second > 0)
                reverse->second--;
            else
                uses[key(a, b)]++;
        }
    std::vector<Edge> edges;
    for (const auto& [k, count] : uses)
        for (int i = 0; i < count; i++)
            edges.push_back({k.first.first, k.first.second, k.second.first, k.second.second});
    return edges;
}

double enclosedArea(const std::vector<Edge>& edges) {
    double sum = 0;
    for (const Edge& e : edges)
        sum += e.ax * e.by - e.bx * e.ay;
    return sum / 2;
}

// PNG header facts.
struct PngInfo {
    bool isPng;
    uint32_t width, height;
    int bitDepth, colourType;
};
PngInfo pngInfo(EntryBytes bytes) {
    static const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    PngInfo info = {false, 0, 0, 0, 0};
    if (!bytes.bytes || bytes.size < 33 || std::memcmp(bytes.bytes, signature, 8) != 0 ||
        std::memcmp(bytes.bytes + 12, "IHDR", 4) != 0)
        return info;
    auto be32 = [&](int at) {
        const uint8_t* p = bytes.bytes + at;
        return (uint32_t)p[0] << 24 | (uint32_t)p[1] << 16 | (uint32_t)p[2] << 8 | p[3];
    };
    info.isPng = true;
    info.width = be32(16);
    info.height = be32(20);
    info.bitDepth = bytes.bytes[24];
    info.colourType = bytes.bytes[25];
    return info;
}

bool powerOfTwo(uint32_t n) {
    return n > 0 && n <= 2048 && (n & (n - 1)) == 0;
}

int pieceCountOf(int size) {
    return PUZZLE_SIZES[size].pieces;
}
const char* pieceArchive(int size, int picture) {
    return pictureArchivesFor(picture, PUZZLE_SIZES[size]).pieces;
}
// A picture cut in the given layout (its piece archives show that cut).
int pictureWithLayout(int layout) {
    for (int p = 0; p < PICTURE_TOTAL; p++)
        if (PICTURE_ROWS[p].cutLayout == layout) return p;
    return 0;
}

// One piece of a cut placed at its target: its front triangles and outline in board coordinates.
struct PlacedPiece {
    std::vector<Vertex> front;
    std::vector<Edge> outline;
};
std::vector<PlacedPiece> placedCut(int size, int layout) {
    std::vector<PlacedPiece> pieces;
    int picture = pictureWithLayout(layout);
    for (int i = 0; i < pieceCountOf(size); i++) {
        std::vector<LoadedMesh> model;
        if (!loadModel(pieceArchive(size, picture), std::to_string(i + 1), model)) return {};
        TargetSpot target = pieceTargetFor(PUZZLE_SIZES[size], layout, i);
        PlacedPiece piece;
        piece.front = model[0].vertices;
        for (Vertex& v : piece.front) {
            v.x += target.x;
            v.y += target.y;
        }
        piece.outline = boundaryEdges(piece.front);
        pieces.push_back(piece);
    }
    return pieces;
}

class ArtArchives : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(gameDir().empty()) << "MEADOW_GAME_DIR must name the folder art_gen wrote";
    }
};

} // namespace

// Every (archive, entry) the puzzle screen, the completion and the menu tab
// ask for exists, parses to the end of its entry, and names textures that
// are in the same archive and are power-of-two 8-bit truecolour PNGs.
TEST_F(ArtArchives, EveryNamedModelExistsParsesAndHasItsTextures) {
    std::set<std::pair<std::string, std::string>> wanted;
    for (int size = 0; size < PUZZLE_SIZE_COUNT; size++)
        for (int p = 0; p < PICTURE_TOTAL; p++) {
            const char* places = pictureArchivesFor(p, PUZZLE_SIZES[size]).places;
            const char* shadows = pictureArchivesFor(p, PUZZLE_SIZES[size]).shadows;
            wanted.insert({pieceArchive(size, p), "plase"});
            for (int i = 1; i <= pieceCountOf(size); i++) {
                wanted.insert({pieceArchive(size, p), std::to_string(i)});
                wanted.insert({places, std::to_string(i)});
                wanted.insert({shadows, std::to_string(i)});
                wanted.insert({shadows, PIECE_REST_PREFIX + std::to_string(i)});
                wanted.insert({shadows, PIECE_BACK_PREFIX + std::to_string(i)});
            }
            wanted.insert({PICTURE_ROWS[p].pictureArchive, "final"});
            wanted.insert({PICTURE_ROWS[p].pictureArchive, "prev"});
        }
    std::set<std::pair<std::string, std::string>> textures;
    for (const auto& [file, entry] : wanted) {
        ASSERT_TRUE(archive(file).valid) << file << " is missing or malformed";
        std::vector<LoadedMesh> model;
        if (!loadModel(file, entry, model)) continue;
        for (const LoadedMesh& mesh : model) {
            EXPECT_GT(mesh.vertices.size(), 0u) << file << ":" << entry;
            ASSERT_GE(mesh.texture.size(), 2u);
            EXPECT_NE(mesh.texture[1], '#') << "puzzle art uses image textures";
            textures.insert({file, mesh.texture});
        }
    }
    for (const auto& [file, name] : textures) {
        PngInfo info = pngInfo(archive(file).entryData(name));
        ASSERT_TRUE(info.isPng) << file << ":" << name << " is not a PNG";
        EXPECT_TRUE(powerOfTwo(info.width) && powerOfTwo(info.height))
            << file << ":" << name << " is " << info.width << "x" << info.height;
        EXPECT_EQ(info.bitDepth, 8) << file << ":" << name;
        EXPECT_TRUE(info.colourType == 2 || info.colourType == 6)
            << file << ":" << name << " colour type " << info.colourType;
    }
}

// Each piece: front triangles all face the player and cover exactly the
// area inside their outline; the back covers the same area facing away; the
// side walls run along the whole outline; the front samples the picture.
TEST_F(ArtArchives, PiecesAreClosedCardboardShapes) {
    for (int size = 0; size < PUZZLE_SIZE_COUNT; size++)
        for (int p = 0; p < PICTURE_TOTAL; p++)
            for (int i = 0; i < pieceCountOf(size); i++) {
                std::vector<LoadedMesh> model, backModel;
                const char* shadows = pictureArchivesFor(p, PUZZLE_SIZES[size]).shadows;
                ASSERT_TRUE(loadModel(pieceArchive(size, p), std::to_string(i + 1), model));
                ASSERT_TRUE(
                    loadModel(shadows, PIECE_BACK_PREFIX + std::to_string(i + 1), backModel));
                ASSERT_EQ(model.size(), 2u);
                ASSERT_EQ(backModel.size(), 1u);
                const std::vector<Vertex>& front = model[0].vertices;
                const std::vector<Vertex>& back = backModel[0].vertices;
                double frontArea = 0, backArea = 0;
                for (size_t k = 0; k < front.size() / 3; k++) {
                    double a = triangleArea(front, k);
                    EXPECT_GT(a, 0) << "front triangle wound away from the player";
                    frontArea += std::fabs(a);
                }
                for (size_t k = 0; k < back.size() / 3; k++)
                    backArea -= triangleArea(back, k);
                for (const Vertex& v : front) {
                    EXPECT_EQ(v.z, 0.0);
                    EXPECT_EQ(v.nz, 1.0);
                    EXPECT_TRUE(v.s > 0 && v.s < 1 && v.t > 0 && v.t < 1);
                }
                for (const Vertex& v : back)
                    EXPECT_EQ(v.nz, -1.0);
                std::vector<Edge> outline = boundaryEdges(front);
                EXPECT_NEAR(frontArea, enclosedArea(outline), 1e-9);
                EXPECT_NEAR(backArea, frontArea, 1e-9);
                // Walls: every outline edge of the front is the top of a wall.
                std::set<std::pair<double, double>> wallTops;
                for (const Vertex& v : model[1].vertices)
                    if (v.z == 0) wallTops.insert({v.x, v.y});
                for (const Edge& e : outline) {
                    EXPECT_TRUE(wallTops.count({e.ax, e.ay})) << "outline point without a wall";
                }
                EXPECT_EQ(model[1].vertices.size(), outline.size() * 6);
            }
}

// The pieces of each cut, each at its target spot, cover the 20 x 12 board
// once everywhere: areas sum to 240 and sample points lie in exactly one piece.
TEST_F(ArtArchives, PiecesAtTheirTargetsTileTheBoard) {
    const int samplesX = 400, samplesY = 240;
    for (int size = 0; size < PUZZLE_SIZE_COUNT; size++)
        for (int layout = 0; layout < CUT_LAYOUT_COUNT; layout++) {
            std::vector<PlacedPiece> pieces = placedCut(size, layout);
            ASSERT_EQ((int)pieces.size(), pieceCountOf(size));
            std::vector<int> cover(samplesX * samplesY, 0);
            double total = 0;
            for (const PlacedPiece& piece : pieces)
                for (size_t k = 0; k < piece.front.size() / 3; k++) {
                    total += triangleArea(piece.front, k);
                    const Vertex* t = &piece.front[3 * k];
                    double x0 = std::min({t[0].x, t[1].x, t[2].x}),
                           x1 = std::max({t[0].x, t[1].x, t[2].x});
                    double y0 = std::min({t[0].y, t[1].y, t[2].y}),
                           y1 = std::max({t[0].y, t[1].y, t[2].y});
                    // Sample points sit off any round number so none falls on a cut.
                    auto sx = [&](int i) { return -10 + (i + 0.4142) * 20.0 / samplesX; };
                    auto sy = [&](int j) { return -6 + (j + 0.3183) * 12.0 / samplesY; };
                    for (int j = std::max(0, (int)((y0 + 6) / 12 * samplesY) - 1);
                         j < samplesY && sy(j) <= y1; j++)
                        for (int i = std::max(0, (int)((x0 + 10) / 20 * samplesX) - 1);
                             i < samplesX && sx(i) <= x1; i++) {
                            double px = sx(i), py = sy(j);
                            bool inside = true;
                            for (int e = 0; e < 3; e++) {
                                const Vertex &a = t[e], &b = t[(e + 1) % 3];
                                if ((b.x - a.x) * (py - a.y) - (b.y - a.y) * (px - a.x) < 0)
                                    inside = false;
                            }
                            if (inside) cover[j * samplesX + i]++;
                        }
                }
            EXPECT_NEAR(total, 240.0, 1e-6) << "layout " << layout << ", " << pieceCountOf(size);
            int gaps = 0, overlaps = 0;
            for (int c : cover) {
                gaps += c == 0;
                overlaps += c > 1;
            }
            EXPECT_EQ(gaps, 0) << "layout " << layout << ", " << pieceCountOf(size);
            EXPECT_EQ(overlaps, 0) << "layout " << layout << ", " << pieceCountOf(size);
        }
}

// Where two pieces meet they share the very same curve: every outline edge
// inside the board is the reverse of an outline edge of another piece.
TEST_F(ArtArchives, NeighboursShareTheirEdgesExactly) {
    auto round9 = [](double v) { return std::llround(v * 1e9); };
    for (int size = 0; size < PUZZLE_SIZE_COUNT; size++)
        for (int layout = 0; layout < CUT_LAYOUT_COUNT; layout++) {
            std::vector<PlacedPiece> pieces = placedCut(size, layout);
            std::map<std::vector<long long>, int> owner;
            for (size_t p = 0; p < pieces.size(); p++)
                for (const Edge& e : pieces[p].outline)
                    owner[{round9(e.ax), round9(e.ay), round9(e.bx), round9(e.by)}] = (int)p;
            int unmatched = 0, inner = 0;
            for (size_t p = 0; p < pieces.size(); p++)
                for (const Edge& e : pieces[p].outline) {
                    bool onBorder =
                        (std::fabs(std::fabs(e.ax) - 10) < 1e-9 && std::fabs(e.ax - e.bx) < 1e-9) ||
                        (std::fabs(std::fabs(e.ay) - 6) < 1e-9 && std::fabs(e.ay - e.by) < 1e-9);
                    if (onBorder) continue;
                    inner++;
                    auto other =
                        owner.find({round9(e.bx), round9(e.by), round9(e.ax), round9(e.ay)});
                    if (other == owner.end() || other->second == (int)p) unmatched++;
                }
            EXPECT_GT(inner, 0);
            EXPECT_EQ(unmatched, 0) << "layout " << layout << ", " << pieceCountOf(size);
        }
}

// The box of a model-space point set, in the board's plane.
struct Box {
    double x0 = 1e9, x1 = -1e9, y0 = 1e9, y1 = -1e9;
    void add(const Vertex& v) {
        x0 = std::min(x0, v.x), x1 = std::max(x1, v.x);
        y0 = std::min(y0, v.y), y1 = std::max(y1, v.y);
    }
    bool holds(const Box& inner, double margin) const {
        return inner.x0 >= x0 - margin && inner.x1 <= x1 + margin && inner.y0 >= y0 - margin &&
               inner.y1 <= y1 + margin;
    }
};

Box boxOf(const LoadedMesh& mesh) {
    Box box;
    for (const Vertex& v : mesh.vertices)
        box.add(v);
    return box;
}

// Places, shadows and what loose pieces wear are the same for every picture
// of a layout and must fit that layout's pieces: a place covers exactly its
// piece's area inside the same outline (its soft fringe just outside),
// blended; the resting and the lifted shadow, the glow and the rim are
// blended and reach round the piece; the veil covers the face.  Every
// piece, rim included, lies within the reach the scatter keeps on screen.
TEST_F(ArtArchives, PlacesShadowsAndOutlinesFitTheirPieces) {
    for (int size = 0; size < PUZZLE_SIZE_COUNT; size++)
        for (int layout = 0; layout < CUT_LAYOUT_COUNT; layout++) {
            int picture = pictureWithLayout(layout);
            const char* places = pictureArchivesFor(picture, PUZZLE_SIZES[size]).places;
            const char* shadows = pictureArchivesFor(picture, PUZZLE_SIZES[size]).shadows;
            PieceReach reach = PUZZLE_SIZES[size].reach;
            for (int i = 0; i < pieceCountOf(size); i++) {
                std::string name = std::to_string(i + 1);
                std::vector<LoadedMesh> piece, place, lifted, rest;
                ASSERT_TRUE(loadModel(pieceArchive(size, picture), name, piece));
                ASSERT_TRUE(loadModel(places, name, place));
                ASSERT_TRUE(loadModel(shadows, name, lifted));
                ASSERT_TRUE(loadModel(shadows, PIECE_REST_PREFIX + name, rest));
                Box face = boxOf(piece[0]);
                double pieceArea = 0;
                for (size_t k = 0; k < piece[0].vertices.size() / 3; k++)
                    pieceArea += triangleArea(piece[0].vertices, k);
                // The area to click is the piece's own triangles, never
                // drawn (the tray shows its fill); the blended border ring
                // runs round it.
                ASSERT_EQ(place.size(), 2u);
                EXPECT_TRUE(place[0].material.unseen);
                EXPECT_EQ(place[0].vertices.size(), piece[0].vertices.size());
                double placeArea = 0;
                for (size_t k = 0; k < place[0].vertices.size() / 3; k++)
                    placeArea += triangleArea(place[0].vertices, k);
                EXPECT_NEAR(placeArea, pieceArea, 1e-9);
                EXPECT_TRUE(place[1].material.blended);
                EXPECT_FALSE(place[1].material.unseen);
                EXPECT_TRUE(boxOf(place[1]).holds(face, -0.02) && face.holds(boxOf(place[1]), 0.05))
                    << "place " << name << " ring does not follow its piece";

                // Lifted: far shadow, glow, veil.  Resting: rim and shadow strips.
                ASSERT_EQ(lifted.size(), 3u);
                ASSERT_EQ(rest.size(), 1u);
                for (const std::vector<LoadedMesh>* model : {&lifted, &rest})
                    for (const LoadedMesh& mesh : *model) {
                        EXPECT_TRUE(mesh.material.blended) << name;
                        for (const Vertex& v : mesh.vertices)
                            EXPECT_EQ(v.nz, 1.0);
                    }
                for (const LoadedMesh* around : {&lifted[0], &lifted[1], &rest[0]})
                    EXPECT_TRUE(boxOf(*around).holds(face, -0.05))
                        << "a shadow, glow or rim of " << name << " does not reach around it";
                EXPECT_TRUE(face.holds(boxOf(lifted[2]), 1e-9)) << "veil " << name;
                // Thin strips: the rim and shadow stay close round the piece.
                Box wear = boxOf(rest[0]);
                EXPECT_TRUE(wear.holds(face, -0.02) && face.holds(wear, 0.6)) << "rim " << name;
                EXPECT_TRUE(std::max(-face.x0, face.x1) + 0.05 <= reach.x &&
                            std::max(-face.y0, face.y1) + 0.05 <= reach.y)
                    << "piece " << name << " of " << pieceCountOf(size) << " reaches "
                    << std::max(-face.x0, face.x1) << " x " << std::max(-face.y0, face.y1)
                    << ", beyond what the scatter allows for";
                // The lifted shadow lies on the board under the raised piece.
                for (const Vertex& v : lifted[0].vertices)
                    EXPECT_NEAR(v.z, -LIFTED_PIECE_RISE - 0.1, 1e-9);
            }
        }
}

// The finished picture is the board's size in the board's plane; the tray
// lies under the places; the menu tab's preview is the agreed window in the
// x-z plane, facing the player once the tab has tipped down.
TEST_F(ArtArchives, TrayFinalAndPreviewSitWhereTheGamePutsThem) {
    for (int p = 0; p < PICTURE_TOTAL; p++) {
        std::vector<LoadedMesh> final, preview, tray;
        ASSERT_TRUE(loadModel(PICTURE_ROWS[p].pictureArchive, "final", final));
        double x0 = 1e9, x1 = -1e9, y0 = 1e9, y1 = -1e9;
        for (const LoadedMesh& mesh : final)
            for (const Vertex& v : mesh.vertices) {
                x0 = std::min(x0, v.x), x1 = std::max(x1, v.x);
                y0 = std::min(y0, v.y), y1 = std::max(y1, v.y);
                EXPECT_LE(std::fabs(v.z), 0.1);
            }
        EXPECT_DOUBLE_EQ(x0, -10);
        EXPECT_DOUBLE_EQ(x1, 10);
        EXPECT_DOUBLE_EQ(y0, -6);
        EXPECT_DOUBLE_EQ(y1, 6);

        ASSERT_TRUE(loadModel(PICTURE_ROWS[p].pictureArchive, "prev", preview));
        for (const LoadedMesh& mesh : preview)
            for (size_t k = 0; k < mesh.vertices.size(); k += 3) {
                const Vertex *a = &mesh.vertices[k], *b = a + 1, *c = a + 2;
                for (const Vertex* v : {a, b, c}) {
                    EXPECT_DOUBLE_EQ(v->y, -0.05);
                    EXPECT_TRUE(v->x >= -7.5 && v->x <= 7.5 && v->z >= -17 && v->z <= -8);
                    EXPECT_EQ(v->ny, -1.0);
                }
                // Counter-clockwise seen from -y: (b - a) x (c - a) points along -y.
                double crossY = (b->z - a->z) * (c->x - a->x) - (b->x - a->x) * (c->z - a->z);
                EXPECT_LT(crossY, 0);
            }

        for (int size = 0; size < PUZZLE_SIZE_COUNT; size++) {
            ASSERT_TRUE(loadModel(pieceArchive(size, p), "plase", tray));
            for (const Vertex& v : tray[0].vertices) {
                EXPECT_TRUE(std::fabs(v.x) == 10 && std::fabs(v.y) == 6 && v.z == 0);
            }
            for (const LoadedMesh& mesh : tray)
                for (const Vertex& v : mesh.vertices) {
                    // Everything of the tray stays below the places (tray at -0.2, places at -0.1).
                    EXPECT_LT(v.z, 0.1);
                }
        }
    }
}
