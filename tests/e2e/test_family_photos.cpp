// The family's photos in the real game: a folder with a phone photo stored
// sideways, a PNG with see-through parts, a damaged file, a picture too big
// to decode and a note; the arrows walk past the bundled pictures onto the
// photos, a photo is solved, and its finished flag survives a restart.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "base/photo_progress.h"
#include "base/settings.h"
#include "app/game_main.h"
#include "game_driver.h"
#include "puzzle/photo_walk.h"
#include "puzzle/puzzle_board.h"
#include "resources/mesh.h"
#include "resources/pak_library.h"
#include "resources/photo_image.h"
#include "resources/photo_library.h"
#include "scene/scene_object.h"
#include "screens/dialogs.h"
#include "screens/main_menu.h"
#include "ui/dialog_layer.h"

namespace {

using Bytes = std::vector<uint8_t>;

constexpr int SIDEWAYS = FIRST_PHOTO_PICTURE;    // "a_phone.jpg"
constexpr int GLASS = FIRST_PHOTO_PICTURE + 1;   // "b_glass.png"
constexpr int DAMAGED = FIRST_PHOTO_PICTURE + 2; // "c_damaged.png", found broken when walked onto

Bytes readBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), {});
}

void writeBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write((const char*)bytes.data(), (std::streamsize)bytes.size());
}

// Run an ImageMagick command line; false when it failed.
bool magick(const std::string& arguments) {
    return std::system(("convert " + arguments + " 2>/dev/null").c_str()) == 0;
}

// The JPEG with an EXIF block right after its start marker whose only tag
// is the orientation (as a phone writes it).
Bytes withOrientation(const Bytes& jpeg, uint8_t orientation) {
    const Bytes app1 = {0xff, 0xe1, 0, 34, 'E',         'x', 'i', 'f', 0,    0,    'I', 'I',
                        42,   0,    8, 0,  0,           0,   1,   0,   0x12, 0x01, 3,   0,
                        1,    0,    0, 0,  orientation, 0,   0,   0,   0,    0,    0,   0};
    Bytes out(jpeg.begin(), jpeg.begin() + 2);
    out.insert(out.end(), app1.begin(), app1.end());
    out.insert(out.end(), jpeg.begin() + 2, jpeg.end());
    return out;
}

// The folder the game reads photos from, filled with the test's files.
void fillPhotoFolder(const std::string& folder) {
    std::filesystem::create_directories(folder);
    // Stored on its side: red on the left, blue on the right; upright, red is on top.
    std::string plain = folder + "plain.jpg";
    ASSERT_TRUE(magick("-size 300x200 xc:red -fill blue -draw 'rectangle 150,0 299,199' " + plain));
    writeBytes(folder + "a_phone.jpg", withOrientation(readBytes(plain), 6));
    std::filesystem::remove(plain);
    ASSERT_TRUE(magick("-size 320x200 xc:none -fill 'rgba(0,0,255,0.5)' -draw 'rectangle 0,0 "
                       "319,199' png32:" +
                       folder + "b_glass.png"));
    Bytes png = readBytes(folder + "b_glass.png");
    writeBytes(folder + "c_damaged.png", Bytes(png.begin(), png.begin() + 60));
    Bytes huge = {0x89, 'P', 'N', 'G',  0x0d, 0x0a, 0x1a, 0x0a, 0,    0, 0, 13, 'I', 'H', 'D',
                  'R',  0,   0,   0x4e, 0x20, 0,    0,    0x4e, 0x20, 8, 6, 0,  0,   0};
    writeBytes(folder + "d_huge.png", huge);
    writeBytes(folder + "e notes.txt", {'h', 'i', '\n'});
}

// The current photo's picture as the pieces draw it, read back from GL.
RgbaImage standInPicture() {
    RgbaImage image;
    uint32_t name = 0;
    for (const TextureStandIn& standIn : thePakLibrary.standIns)
        if (standIn.offered && standIn.entryName == PICTURE_IMAGE_ENTRY) name = standIn.glName;
    if (name == 0) return image;
    image.width = PHOTO_PICTURE_WIDTH;
    image.height = PHOTO_PICTURE_HEIGHT;
    image.pixels.resize((size_t)image.width * image.height * 4);
    glBindTexture(GL_TEXTURE_2D, name);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, image.pixels.data());
    return image;
}

// Red, green and blue of a texture pixel at a fraction of its width and height.
std::vector<int> colourAt(const RgbaImage& image, double fx, double fy) {
    const uint8_t* p =
        &image.pixels[((size_t)(fy * image.height) * image.width + (size_t)(fx * image.width)) * 4];
    return {p[0], p[1], p[2]};
}

// Step onto a picture with an arrow key and let its board stand.
void walk(SDLKey key) {
    pressKey(key);
    ASSERT_TRUE(waitForPictureImages());
    waitMs(1600);
}

} // namespace

TEST(FamilyPhotos, WalkedOntoSolvedAndKeptAcrossARestart) {
    Settings record;
    record.showWelcome = false;
    record.bigPuzzle = 0;
    startSession(true, &record);
    endSession();
    fillPhotoFolder(dataFolder() + "pictures/");

    testing::internal::CaptureStderr();
    startSession(false);
    std::string skipped = testing::internal::GetCapturedStderr();
    ASSERT_EQ(thePhotoLibrary.count(), 3) << skipped; // the huge one and the note are left out
    EXPECT_NE(skipped.find("\"d_huge.png\" skipped: too many pixels (20000 x 20000)"),
              std::string::npos)
        << skipped;
    EXPECT_NE(skipped.find("\"e notes.txt\" skipped"), std::string::npos) << skipped;
    EXPECT_EQ(walkLength(), FIRST_PHOTO_PICTURE + 3);

    // Left from the first picture: round to the photos; the damaged one is
    // passed over with one line, the see-through one shows on white.
    testing::internal::CaptureStderr();
    walk(SDLK_LEFT);
    skipped = testing::internal::GetCapturedStderr();
    EXPECT_EQ(thePuzzle.currentPicture, GLASS);
    EXPECT_TRUE(thePhotoLibrary.photos[DAMAGED - FIRST_PHOTO_PICTURE].broken);
    EXPECT_NE(skipped.find("\"c_damaged.png\" skipped"), std::string::npos) << skipped;
    RgbaImage glass = standInPicture();
    ASSERT_EQ(glass.pixels.size(), (size_t)PHOTO_PICTURE_WIDTH * PHOTO_PICTURE_HEIGHT * 4);
    std::vector<int> half = colourAt(glass, 0.5, 0.5);
    EXPECT_NEAR(half[0], 128, 6);
    EXPECT_NEAR(half[2], 255, 2);
    // Resting on it, the next photo along (leftwards) is being made already.
    EXPECT_EQ(theBoard.decodedAhead, SIDEWAYS);

    // The phone photo stands upright: red above, blue below; its pieces draw it.
    walk(SDLK_LEFT);
    ASSERT_EQ(thePuzzle.currentPicture, SIDEWAYS);
    RgbaImage upright = standInPicture();
    ASSERT_FALSE(upright.pixels.empty());
    std::vector<int> top = colourAt(upright, 0.5, 0.1), bottom = colourAt(upright, 0.5, 0.9);
    EXPECT_GT(top[0], 240); // JPEG keeps colours within a step or two
    EXPECT_LT(top[2], 16);
    EXPECT_LT(bottom[0], 16);
    EXPECT_GT(bottom[2], 240);
    uint32_t photoTexture = thePakLibrary.standIns.front().glName;
    ASSERT_FALSE(pieceOf(0)->meshes.empty());
    bool drawsPhoto = false;
    for (Mesh* mesh : pieceOf(0)->meshes)
        drawsPhoto = drawsPhoto || mesh->texture == photoTexture;
    EXPECT_TRUE(drawsPhoto);

    // Solved like any picture: the fanfare, the finished picture, the flag kept.
    playedSounds.clear();
    for (int i = 0; i < thePuzzle.pieceCount; ++i)
        ASSERT_TRUE(sendPiece(i)) << "piece " << i;
    ASSERT_TRUE(waitUntil([] { return pictureFinished(SIDEWAYS); }, 3000));
    EXPECT_EQ(playCount("final.wav"), 1);
    EXPECT_TRUE(theBoard.object->hasModel);
    waitMs(1500);
    endSession();

    // Next run: the photo is still finished, the settings file keeps its 56 bytes.
    EXPECT_EQ(settingsFileBytes().size(), SETTINGS_FILE_SIZE);
    startSession(false);
    EXPECT_TRUE(pictureFinished(SIDEWAYS));
    EXPECT_FALSE(pictureFinished(GLASS));
    for (int i = 0; i < PICTURE_TOTAL; ++i)
        EXPECT_FALSE(pictureFinished(i)) << i;
    walk(SDLK_LEFT); // the damaged photo is passed over again
    walk(SDLK_LEFT);
    ASSERT_EQ(thePuzzle.currentPicture, SIDEWAYS);
    EXPECT_TRUE(theBoard.object->hasModel); // shown finished
    waitMs(1500);
    // And round again: right past the last photo to the first picture.
    walk(SDLK_RIGHT);
    walk(SDLK_RIGHT);
    EXPECT_EQ(thePuzzle.currentPicture, 0);
    EXPECT_EQ(thePakLibrary.standInCount(), 0); // the photo's textures are given back
    endSession();
}

TEST(FamilyPhotos, RestartAllClearsTheFinishedPhotos) {
    Settings record;
    record.showWelcome = false;
    startSession(true, &record);
    endSession();
    std::string folder = dataFolder();
    fillPhotoFolder(folder + "pictures/");
    std::uintmax_t size = std::filesystem::file_size(folder + "pictures/b_glass.png");
    PhotoProgress done;
    done.markDone("b_glass.png", size);
    Bytes bytes = encodePhotoProgress(done);
    writeBytes(folder + PHOTO_PROGRESS_FILE_NAME, bytes);

    startSession(false);
    ASSERT_TRUE(pictureFinished(GLASS));
    waitMs(1500);
    ASSERT_TRUE(clickObject(buttonRunning(worldRoot, showMainMenu)));
    waitMs(700);
    ASSERT_TRUE(clickObject(buttonRunning(dialogTop, showBreakAllDialog)));
    waitMs(700);
    pressKey(SDLK_RETURN);
    EXPECT_FALSE(pictureFinished(GLASS));
    step(3);
    EXPECT_EQ(dialogTop, nullptr);
    endSession();
    startSession(false);
    EXPECT_FALSE(pictureFinished(GLASS));
    endSession();
}

// A child holding an arrow key down walks through photos faster than they
// are made: every press lands on some picture, and once the key is let go
// the last one's board stands, with its tab, whatever was being made.
TEST(FamilyPhotos, ArrowsFasterThanThePhotosAreMadeEndOnAStandingBoard) {
    Settings record;
    record.showWelcome = false;
    startSession(true, &record);
    endSession();
    fillPhotoFolder(dataFolder() + "pictures/");
    startSession(false);
    ASSERT_EQ(thePhotoLibrary.count(), 3);
    waitMs(1500);
    for (SDLKey key : {SDLK_LEFT, SDLK_RIGHT}) {
        for (int press = 0; press < 3 * walkLength(); ++press) {
            pressKey(key);
            if (press % 3 == 0) step(); // now and then a frame between two presses
        }
        EXPECT_TRUE(waitForPictureImages());
        EXPECT_TRUE(waitUntil(
            [] {
                return !thePuzzle.tabWaiting && !theBoard.leaving && theBoard.object &&
                       !theBoard.object->dying && theBoard.object->children.size() > 1;
            },
            8000))
            << "picture " << thePuzzle.currentPicture << " never got its board: tab waiting "
            << thePuzzle.tabWaiting << ", leaving " << theBoard.leaving << ", ready "
            << pictureImagesReady(thePuzzle.currentPicture) << ", offered "
            << thePhotoLibrary.offered << ", board children "
            << (theBoard.object ? (int)theBoard.object->children.size() : -1);
        waitMs(1600);
        // The board still standing is the current picture's, and the arrows still work.
        int before = thePuzzle.currentPicture;
        walk(key);
        EXPECT_NE(thePuzzle.currentPicture, before);
    }
    endSession();
}
