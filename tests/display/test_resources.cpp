// Textures and models with a real GL context: sharing, upload formats,
// model headers, short and missing entries, procedural textures on meshes.
#include <GL/gl.h>

#include "base/video_context.h"
#include "display_fixture.h"
#include "resources/mesh.h"
#include "resources/pak_library.h"
#include "resources/procedural_texture.h"
#include "scene/scene_object.h"

namespace {

using Entries = std::vector<std::pair<std::string, std::vector<uint8_t>>>;

std::vector<uint8_t> model(const std::vector<MeshBuild>& meshes, bool longHeader = false) {
    return buildModelEntry(meshes, longHeader);
}

MeshBuild smallQuad(const std::string& texture, bool blended = false) {
    return quadMesh(-1, -1, 1, 1, 0, texture, blended);
}

// Internal format and RGBA pixels of a texture.
GLint internalFormat(GLuint name) {
    glBindTexture(GL_TEXTURE_2D, name);
    GLint format = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &format);
    return format;
}

std::vector<uint8_t> texturePixels(GLuint name, int count) {
    glBindTexture(GL_TEXTURE_2D, name);
    std::vector<uint8_t> pixels((size_t)count * 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

struct Resources : testing::Test {
    void SetUp() override {
        ensureVideo();
        resetEngine();
    }
    void TearDown() override {
        EXPECT_EQ(thePakLibrary.openCount(), 0) << thePakLibrary.describe();
        EXPECT_EQ(theProceduralTextures.openCount(), 0);
    }
};

const std::vector<uint8_t> RED_GREEN_BLUE_WHITE = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};

} // namespace

TEST_F(Resources, MeshesNamingOneImageShareOneTextureUntilTheLastGoes) {
    std::string pak = writeArchive(
        {{"img", makePng(2, 2, 3, RED_GREEN_BLUE_WHITE)}, {"one", model({smallQuad("img")})}});
    SceneObject* first = new SceneObject;
    SceneObject* second = new SceneObject;
    first->loadModel(pak, "one");
    second->loadModel(pak, "one");
    GLuint name = first->meshes[0]->texture;
    ASSERT_NE(name, 0u);
    EXPECT_EQ(second->meshes[0]->texture, name);
    PakArchive* archive = thePakLibrary.archives[0];
    EXPECT_EQ(archive->textureCounts[(size_t)archive->findEntry("img")], 2);
    EXPECT_EQ(thePakLibrary.referenceCount(pak), 4); // two models, two textures

    delete first;
    EXPECT_TRUE(glIsTexture(name));
    EXPECT_EQ(archive->textureCounts[(size_t)archive->findEntry("img")], 1);
    EXPECT_EQ(thePakLibrary.referenceCount(pak), 2);
    delete second;
    EXPECT_FALSE(glIsTexture(name));
    EXPECT_EQ(thePakLibrary.openCount(), 0);
}

TEST_F(Resources, AlphaImagesUploadAsRgbaOthersAsRgbWithTheirOwnColours) {
    std::vector<uint8_t> rgba = {255, 0, 0, 0, 0, 255, 0, 128, 0, 0, 255, 255, 9, 8, 7, 6};
    std::vector<uint8_t> palette = {250, 10, 20, 30, 240, 40};
    std::string pak = writeArchive({
        {"alpha", makePng(2, 2, 4, rgba)},
        {"plain", makePng(2, 2, 3, RED_GREEN_BLUE_WHITE)},
        {"bmp", makeBmp(2, 2, RED_GREEN_BLUE_WHITE)},
        {"palette", makePalettePng(2, 2, palette, {0, 1, 1, 0})},
    });
    GLuint alpha = thePakLibrary.texture(pak, "alpha");
    GLuint plain = thePakLibrary.texture(pak, "plain");
    GLuint bmp = thePakLibrary.texture(pak, "bmp");
    GLuint indexed = thePakLibrary.texture(pak, "palette");
    ASSERT_TRUE(alpha && plain && bmp && indexed);

    EXPECT_TRUE(internalFormat(alpha) == GL_RGBA || internalFormat(alpha) == GL_RGBA8);
    EXPECT_EQ(texturePixels(alpha, 4), rgba);
    for (GLuint name : {plain, bmp}) {
        EXPECT_TRUE(internalFormat(name) == GL_RGB || internalFormat(name) == GL_RGB8);
        std::vector<uint8_t> got = texturePixels(name, 4);
        for (int i = 0; i < 4; ++i)
            for (int c = 0; c < 3; ++c)
                EXPECT_EQ(got[i * 4 + c], RED_GREEN_BLUE_WHITE[i * 3 + c]) << name << " " << i;
    }
    // A palette image is expanded to its colours before the upload.
    std::vector<uint8_t> got = texturePixels(indexed, 4);
    EXPECT_EQ(got[0], 250);
    EXPECT_EQ(got[1], 10);
    EXPECT_EQ(got[4], 30);
    EXPECT_EQ(got[5], 240);
    EXPECT_EQ(got[6], 40);

    for (GLuint name : {alpha, plain, bmp, indexed})
        thePakLibrary.releaseTexture(pak, name);
}

TEST_F(Resources, MissingOrUndecodableImagesGiveNoTextureAndRecordNothing) {
    std::vector<uint8_t> junk = {'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'};
    std::string pak = writeArchive({{"junk", junk}, {"empty", {}}});
    PakArchive* archive = thePakLibrary.open(pak);
    EXPECT_EQ(archive->texture("junk"), 0u);
    EXPECT_EQ(archive->texture("empty"), 0u);
    EXPECT_EQ(archive->texture("absent"), 0u);
    for (size_t i = 0; i < archive->textureNames.size(); ++i) {
        EXPECT_EQ(archive->textureNames[i], 0u);
        EXPECT_EQ(archive->textureCounts[i], 0);
    }
    archive->releaseTexture(0);
    archive->releaseTexture(12345); // no entry holds it
    EXPECT_EQ(archive->textureCounts[0], 0);
    thePakLibrary.release(pak);
}

TEST_F(Resources, ModelHeadersOfBothVariantsAndEmptyModels) {
    std::vector<uint8_t> noMeshes = {0, 0, 0, 0, 0};
    std::string pak = writeArchive({
        {"short", model({smallQuad(""), smallQuad("")})},
        {"long", model({smallQuad(""), smallQuad("")}, true)},
        {"none", noMeshes},
        {"flat", model({MeshBuild{"", defaultMaterial(), {}, {}, {}}})},
    });
    ASSERT_EQ(model({}, true)[0], 255);
    SceneObject object;
    object.loadModel(pak, "short");
    object.loadModel(pak, "long");
    EXPECT_EQ(object.meshCount, 4);
    ASSERT_EQ(object.meshes.size(), 4u);
    EXPECT_EQ(object.meshes[2]->triangleCount, 2);

    SceneObject empty;
    empty.loadModel(pak, "none");
    EXPECT_TRUE(empty.hasModel);
    EXPECT_EQ(empty.meshCount, 0);
    EXPECT_EQ(empty.pakFiles.size(), 1u);

    // A mesh of no triangles loads and draws nothing.
    SceneObject flat;
    flat.loadModel(pak, "flat");
    ASSERT_EQ(flat.meshCount, 1);
    EXPECT_EQ(flat.meshes[0]->triangleCount, 0);
    renderScene(&flat);
    uint8_t pixel[3];
    readPixel(theVideo->width / 2, theVideo->height / 2, pixel);
    EXPECT_EQ(pixel[0] + pixel[1] + pixel[2], 0);
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}

std::vector<std::string> damagedArchives; // what pakOpenFailure was told
void recordDamage(const std::string& path) {
    damagedArchives.push_back(path);
}

// A missing entry loads no meshes; an entry whose counts run past its end
// marks the archive damaged (the game then ends with status 1).  With a
// failure handler that returns, as here, the meshes before the damage stay.
TEST_F(Resources, MissingEntriesLoadNothingShortOnesMarkTheArchiveDamaged) {
    void (*saved)(const std::string&) = pakOpenFailure;
    pakOpenFailure = recordDamage;
    damagedArchives.clear();
    std::vector<uint8_t> bytes = model({smallQuad("img"), smallQuad("img")});
    bytes.resize(bytes.size() - 10); // the second record runs past the end
    std::vector<uint8_t> noCount = {0, 2, 0};
    std::string pak = writeArchive({{"cut", bytes},
                                    {"noCount", noCount},
                                    {"img", makePng(2, 2, 3, RED_GREEN_BLUE_WHITE)}});
    {
        SceneObject object;
        object.loadModel(pak, "nowhere");
        EXPECT_TRUE(object.hasModel);
        EXPECT_EQ(object.meshCount, 0);
        EXPECT_EQ(thePakLibrary.referenceCount(pak), 1); // still one per loadModel
        EXPECT_TRUE(damagedArchives.empty());

        object.loadModel(pak, "cut");
        EXPECT_EQ(object.meshCount, 1);
        ASSERT_EQ(object.meshes.size(), 1u);
        EXPECT_NE(object.meshes[0]->texture, 0u);
        EXPECT_EQ(thePakLibrary.referenceCount(pak), 3); // two models, one texture

        object.loadModel(pak, "noCount"); // too short for its mesh count
        EXPECT_EQ(object.meshCount, 1);
        EXPECT_EQ(damagedArchives, (std::vector<std::string>{pak, pak}));
    }
    EXPECT_EQ(thePakLibrary.openCount(), 0);
    pakOpenFailure = saved;
}

TEST_F(Resources, ProceduralMeshTexturesAreSharedByRecipe) {
    std::string pak = writeArchive(
        {{"fx", model({smallQuad("x#Plasma64x64,10,20,30"), smallQuad("x#Plasma64x64,10,20,30"),
                       smallQuad("x#Plasma32x64,10,20,30"), smallQuad("x#Fire64x32"),
                       smallQuad("x#Smoke64x64")})}});
    {
        SceneObject object;
        object.loadModel(pak, "fx");
        ASSERT_EQ(object.meshCount, 5);
        EXPECT_NE(object.meshes[0]->texture, 0u);
        EXPECT_EQ(object.meshes[0]->texture, object.meshes[1]->texture);
        EXPECT_NE(object.meshes[2]->texture, object.meshes[0]->texture);
        EXPECT_TRUE(object.meshes[3]->procedural);
        EXPECT_EQ(object.meshes[4]->texture, 0u); // unknown kind: nothing made
        EXPECT_EQ(theProceduralTextures.openCount(), 3);
        EXPECT_EQ(thePakLibrary.referenceCount(pak), 1); // procedural names never touch the archive
        renderScene(&object);                            // updateAll runs every generator
        EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
    }
    EXPECT_EQ(theProceduralTextures.openCount(), 0);
}

TEST_F(Resources, AWideSheetKeepsOnlyTheColumnsSeenAndLooksTheSame) {
    // A sheet reaching past the window's edge on the left, and one three
    // times as wide as the window with the window over its second sixth: drawn
    // from every column, and from only the columns over the seen span, the
    // window shows the same pixels.
    constexpr int COLUMNS = 256, ROWS = 4;
    std::vector<uint8_t> rgb;
    for (int y = 0; y < ROWS; ++y)
        for (int x = 0; x < COLUMNS; ++x)
            rgb.insert(rgb.end(), {(uint8_t)x, (uint8_t)(x * 7), (uint8_t)(255 - x / 2)});
    std::vector<uint8_t> image = makePng(COLUMNS, ROWS, 3, rgb);
    constexpr double DISTANCE = 100;
    WorldPoint topLeft = screenToWorld(0, 0, DISTANCE);
    WorldPoint bottomRight = screenToWorld(theVideo->width, theVideo->height, DISTANCE);
    double seen = bottomRight.x, top = topLeft.y, bottom = bottomRight.y, z = topLeft.z;
    double middle = (top + bottom) / 2;
    // Edges on the outer texels' centres, as the art has them: the filter
    // never wraps round to the far side.
    MeshBuild sheets[2] = {quadMesh(-3 * seen, middle, 0, top, z, "left"),
                           quadMesh(-2 * seen, bottom, 4 * seen, middle, z, "wide")};
    for (MeshBuild& sheet : sheets)
        for (size_t i = 0; i < sheet.texCoords.size(); i += 2)
            sheet.texCoords[i] = (0.5 + sheet.texCoords[i] * (COLUMNS - 1)) / COLUMNS;
    std::vector<uint8_t> model = buildModelEntry({sheets[0], sheets[1]});
    int rowsRead[2] = {theVideo->height / 4, theVideo->height * 3 / 4};
    std::vector<uint8_t> rows[2];
    for (int cropped = 0; cropped <= 1; ++cropped) {
        SCOPED_TRACE(cropped ? "seen columns" : "every column");
        std::string pak = writeArchive({{"left", image}, {"wide", image}, {"sheets", model}});
        if (cropped) meshSeenSpan = {-seen, seen};
        SceneObject root;
        SceneObject* sheet = new SceneObject;
        sheet->loadModel(pak, "sheets");
        meshSeenSpan = SeenSpan();
        root.addChild(sheet);
        ASSERT_EQ(sheet->meshes.size(), 2u);
        for (const Mesh* mesh : sheet->meshes) {
            GLint width = 0;
            glBindTexture(GL_TEXTURE_2D, mesh->texture);
            glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
            EXPECT_EQ(width, cropped ? COLUMNS / 2 : COLUMNS);
        }
        renderScene(&root);
        glReadBuffer(GL_BACK);
        for (int row : rowsRead) {
            std::vector<uint8_t> pixels((size_t)theVideo->width * 3);
            glReadPixels(0, row, theVideo->width, 1, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
            rows[cropped].insert(rows[cropped].end(), pixels.begin(), pixels.end());
        }
        delete sheet;
        root.children.clear();
    }
    int worst = 0;
    size_t where = 0;
    for (size_t i = 0; i < rows[0].size(); ++i)
        if (std::abs(rows[0][i] - rows[1][i]) > worst) {
            worst = std::abs(rows[0][i] - rows[1][i]);
            where = i;
        }
    EXPECT_LE(worst, 2) << "the seen columns are drawn where they were (pixel " << where / 3 << ")";
    // The wide sheet's row reaches across, the left one's to the middle.
    size_t last = 3 * (size_t)(theVideo->width - 1);
    EXPECT_GT(rows[0][last] + rows[0][last + 1], 0) << "nothing was drawn";
    EXPECT_GT(rows[0][last + 3] + rows[0][last + 4], 0) << "nothing was drawn";
}
