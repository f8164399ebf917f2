// Shared helpers of the display tests.
#include "display_fixture.h"

#include <GL/gl.h>
#include <SDL/SDL.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/game_main.h"
#include "base/frame_clock.h"
#include "base/input.h"
#include "base/platform.h"
#include "base/video_context.h"
#include "resources/mesh.h"
#include "resources/pak_archive.h"
#include "resources/pak_library.h"
#include "resources/procedural_texture.h"
#include "scene/picking.h"
#include "scene/scene_object.h"

namespace {

std::string folder;
int archivesWritten = 0;

// Closes the window and removes the temporary folder when the run ends.
struct DisplayEnvironment : testing::Environment {
    void TearDown() override {
        delete theVideo;
        theVideo = nullptr;
        if (!folder.empty()) std::filesystem::remove_all(folder);
    }
};
testing::Environment* const displayEnvironment =
    testing::AddGlobalTestEnvironment(new DisplayEnvironment);

void putU32BE(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back((uint8_t)(v >> shift));
}

uint32_t crc32(const uint8_t* data, size_t size) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return crc ^ 0xFFFFFFFFu;
}

void putChunk(std::vector<uint8_t>& png, const char* type, const std::vector<uint8_t>& data) {
    putU32BE(png, (uint32_t)data.size());
    std::vector<uint8_t> typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    png.insert(png.end(), typed.begin(), typed.end());
    putU32BE(png, crc32(typed.data(), typed.size()));
}

// zlib stream of stored (uncompressed) deflate blocks.
std::vector<uint8_t> zlibStored(const std::vector<uint8_t>& raw) {
    std::vector<uint8_t> out = {0x78, 0x01};
    size_t pos = 0;
    do {
        size_t len = std::min<size_t>(raw.size() - pos, 65535);
        bool last = pos + len == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back((uint8_t)len);
        out.push_back((uint8_t)(len >> 8));
        out.push_back((uint8_t)~len);
        out.push_back((uint8_t)(~len >> 8));
        out.insert(out.end(), raw.begin() + pos, raw.begin() + pos + len);
        pos += len;
    } while (pos < raw.size());
    uint32_t a = 1, b = 0;
    for (uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    putU32BE(out, (b << 16) | a);
    return out;
}

std::vector<uint8_t> pngBytes(int width, int height, uint8_t colourType, int bytesPerPixel,
                              const std::vector<uint8_t>& pixels,
                              const std::vector<uint8_t>& palette) {
    std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    std::vector<uint8_t> header;
    putU32BE(header, (uint32_t)width);
    putU32BE(header, (uint32_t)height);
    header.insert(header.end(), {8, colourType, 0, 0, 0});
    putChunk(png, "IHDR", header);
    if (!palette.empty()) putChunk(png, "PLTE", palette);
    std::vector<uint8_t> raw;
    for (int y = 0; y < height; ++y) {
        raw.push_back(0); // filter: none
        auto row = pixels.begin() + (size_t)y * width * bytesPerPixel;
        raw.insert(raw.end(), row, row + (size_t)width * bytesPerPixel);
    }
    putChunk(png, "IDAT", zlibStored(raw));
    putChunk(png, "IEND", {});
    return png;
}

} // namespace

void ensureVideo() {
    if (theVideo) return;
    (void)displayEnvironment;
    preparePlatformEnvironment();
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    std::string suite = test ? test->test_suite_name() : "";
    videoKeepMultisampleOnSoftware = suite.rfind("DISABLED_Multisample", 0) == 0;
    if (suite.rfind("DISABLED_DetectedSoftware", 0) == 0) {
        // A machine with a GPU device node: multisampling is asked for
        // first, and the software rasteriser is only found out afterwards.
        std::filesystem::create_directories(tempFolder() + "/dev/dri");
        videoDeviceRoot = tempFolder() + "/dev/";
    }
    theVideo = new VideoContext;
    theVideo->openNoCursor(0, 0, 0);
}

std::string tempFolder() {
    if (folder.empty()) {
        char pattern[] = "/tmp/meadow_display_XXXXXX";
        const char* made = mkdtemp(pattern);
        if (!made) std::abort();
        folder = made;
    }
    return folder;
}

std::string writeArchive(const std::vector<std::pair<std::string, std::vector<uint8_t>>>& entries) {
    PakArchive archive;
    for (const auto& entry : entries)
        archive.addEntry(entry.first, entry.second.data(), (uint32_t)entry.second.size());
    std::string path = tempFolder() + "/test" + std::to_string(++archivesWritten) + ".pak";
    if (!archive.save(path)) std::abort();
    return path;
}

WorldPoint screenToWorld(double px, double py, double distance) {
    double u = px / theVideo->width * 2 - 1;
    double v = 1 - py / theVideo->height * 2;
    return {u * theVideo->halfWidthAt(distance), v * theVideo->halfHeightAt(distance),
            WORLD_DISTANCE - distance};
}

MeshBuild quadMesh(double left, double bottom, double right, double top, double z,
                   const std::string& textureName, bool blended, bool alphaTest) {
    MeshBuild mesh;
    mesh.textureName = textureName;
    mesh.material = defaultMaterial();
    mesh.material.blended = blended ? 1 : 0;
    mesh.material.alphaTest = alphaTest ? 1 : 0;
    // Texture row 0 (the image's first row) at the top.
    struct Corner {
        double x, y, s, t;
    };
    const Corner corners[6] = {{left, bottom, 0, 1}, {right, bottom, 1, 1}, {right, top, 1, 0},
                               {left, bottom, 0, 1}, {right, top, 1, 0},    {left, top, 0, 0}};
    for (const Corner& c : corners) {
        mesh.positions.insert(mesh.positions.end(), {c.x, c.y, z});
        mesh.normals.insert(mesh.normals.end(), {0, 0, 1});
        mesh.texCoords.insert(mesh.texCoords.end(), {c.s, c.t});
    }
    return mesh;
}

MeshBuild screenQuad(double px0, double py0, double px1, double py1, double distance,
                     const std::string& textureName, bool blended) {
    WorldPoint a = screenToWorld(px0, py1, distance); // bottom left
    WorldPoint b = screenToWorld(px1, py0, distance); // top right
    return quadMesh(a.x, a.y, b.x, b.y, a.z, textureName, blended);
}

SceneObject* pickableQuad(double px0, double py0, double px1, double py1, double distance) {
    std::string pak =
        writeArchive({{"q", buildModelEntry({screenQuad(px0, py0, px1, py1, distance)})}});
    SceneObject* object = new SceneObject;
    object->addDrawHook(hookPickable);
    object->loadModel(pak, "q");
    return object;
}

std::vector<uint8_t> makePng(int width, int height, int channels, const std::vector<uint8_t>& px) {
    return pngBytes(width, height, channels == 4 ? 6 : 2, channels, px, {});
}

std::vector<uint8_t> makePalettePng(int width, int height, const std::vector<uint8_t>& palette,
                                    const std::vector<uint8_t>& indices) {
    return pngBytes(width, height, 3, 1, indices, palette);
}

std::vector<uint8_t> makeBmp(int width, int height, const std::vector<uint8_t>& rgb) {
    std::vector<uint8_t> pixels = rgb;
    SDL_Surface* surface = SDL_CreateRGBSurfaceFrom(pixels.data(), width, height, 24, width * 3,
                                                    0x0000FF, 0x00FF00, 0xFF0000, 0);
    std::string path = tempFolder() + "/image.bmp";
    SDL_SaveBMP(surface, path.c_str());
    SDL_FreeSurface(surface);
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

void drawFrame(SceneObject* root) {
    SceneObject* saved = worldRoot;
    worldRoot = root;
    runFrame();
    worldRoot = saved;
}

void renderScene(SceneObject* root) {
    frameTime = SDL_GetTicks();
    theProceduralTextures.updateAll();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glTranslatef(0, 0, -(float)WORLD_DISTANCE);
    root->draw();
    drawBlendedMeshes();
}

void drawBlendedMeshes() {
    glDepthMask(GL_FALSE);
    for (Mesh* mesh : deferredMeshes)
        mesh->drawDeferred();
    glDepthMask(GL_TRUE);
    deferredMeshes.clear();
}

void readPixel(int px, int py, uint8_t out[3]) {
    uint8_t pixel[4] = {};
    glReadBuffer(GL_BACK);
    glReadPixels(px, theVideo->height - 1 - py, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, pixel);
    out[0] = pixel[0];
    out[1] = pixel[1];
    out[2] = pixel[2];
}

void resetEngine() {
    thePicker.candidates.clear();
    thePicker.hits.clear();
    thePicker.picked = nullptr;
    deferredMeshes.clear();
    currentObject = nullptr;
}

void PickingScene::SetUp() {
    ensureVideo();
    resetEngine();
    resetInput();
}

void PickingScene::TearDown() {
    for (SceneObject* child : root.children)
        delete child;
    root.children.clear();
    resetEngine();
    resetInput();
    EXPECT_EQ(thePakLibrary.openCount(), 0);
}

SceneObject* PickingScene::pickAt(int x, int y) {
    mouseX = x;
    mouseY = y;
    drawFrame(&root);
    return thePicker.picked;
}
