// The end-to-end driver: the real game in this process, played through SDL.
#include "game_driver.h"

#include <unistd.h>

#include <GL/gl.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "app/frame_redraw.h"
#include "app/game_main.h"
#include "app/synthetic_input.h"
#include "audio/audio_mixer.h"
#include "base/input.h"
#include "base/video_context.h"
#include "puzzle/photo_walk.h"
#include "puzzle/puzzle_board.h"
#include "resources/mesh.h"
#include "scene/picking.h"
#include "scene/scene_object.h"
#include "screens/main_menu.h"
#include "screens/size_dialog.h"
#include "tests/support/stepped_clock.h"

std::vector<PlayedSound> playedSounds;

namespace {

std::string dataHome;
std::vector<std::string> folders;

// Removes the temporary settings folders when the run ends.
struct DriverEnvironment : testing::Environment {
    void TearDown() override {
        for (const std::string& folder : folders)
            std::filesystem::remove_all(folder);
    }
};
testing::Environment* const driverEnvironment =
    testing::AddGlobalTestEnvironment(new DriverEnvironment);

void recordPlay(const std::string& name, bool music) {
    playedSounds.push_back({name, music});
}

} // namespace

// Whether a game is running: a test that stopped at a failed assertion
// leaves its game up, and the next start (or the end of the run) shuts it
// down first, so one failure never becomes a crash of every test after it.
namespace {

bool sessionLive = false;

struct LeftoverSession : testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo&) override {
        if (sessionLive) endSession();
    }
};

const bool leftoverSessionsEnded = [] {
    testing::UnitTest::GetInstance()->listeners().Append(new LeftoverSession);
    return true;
}();

} // namespace

void startSession(bool fresh, const Settings* record, unsigned seed) {
    if (sessionLive) endSession();
    if (fresh || dataHome.empty()) {
        char pattern[] = "/tmp/meadow_e2e_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dataHome = pattern;
        folders.push_back(dataHome);
    }
    setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
    const char* gameDir = std::getenv("MEADOW_GAME_DIR");
    ASSERT_NE(gameDir, nullptr) << "MEADOW_GAME_DIR must name the folder with the archives";
    ASSERT_EQ(chdir(gameDir), 0);
    if (record) {
        std::filesystem::create_directories(dataHome + "/meadow_mosaics");
        ASSERT_TRUE(writeSettingsFile(*record, settingsFilePath()));
    }
    playedSounds.clear();
    audioPlayObserver = recordPlay;
    resetInput();
    std::srand(seed);
    installSteppedClock(FRAME_STEP_MS);
    sessionLive = true;
    ASSERT_TRUE(startGame());
    step(2);
}

void endSession() {
    shutdownGame();
    resetInput();
    sessionLive = false;
}

std::string dataFolder() {
    return dataHome + "/meadow_mosaics/";
}

std::string settingsFilePath() {
    return dataFolder() + SETTINGS_FILE_NAME;
}

std::vector<uint8_t> settingsFileBytes() {
    std::ifstream file(settingsFilePath(), std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
}

void step(int frames) {
    for (int i = 0; i < frames; ++i) {
        if (worldRoot->dead) return;
        advanceSteppedClock();
        stepFrame();
    }
}

void waitMs(uint32_t ms) {
    step((int)((ms + FRAME_STEP_MS - 1) / FRAME_STEP_MS));
}

void delayNextFrame(uint32_t ms) {
    delaySteppedClock(ms);
}

void queueKey(SDLKey key) {
    EXPECT_TRUE(queueKeyEvent(key));
}

void queueMotion(int x, int y) {
    EXPECT_TRUE(queueMotionEvent(x, y));
}

void queueLeftClick() {
    EXPECT_TRUE(queueLeftClickEvents());
}

void queueLeftPress() {
    EXPECT_TRUE(queueLeftPressEvent());
}

void queueLeftRelease() {
    EXPECT_TRUE(queueLeftReleaseEvent());
}

void queueKeyDown(SDLKey key) {
    EXPECT_TRUE(queueKeyDownEvent(key));
}

void queueKeyUp(SDLKey key) {
    EXPECT_TRUE(queueKeyUpEvent(key));
}

bool waitForPictureImages(uint32_t realMs) {
    uint32_t start = SDL_GetTicks();
    while (!pictureImagesReady(thePuzzle.currentPicture)) {
        if (SDL_GetTicks() - start > realMs || worldRoot->dead) return false;
        SDL_Delay(1);
        step();
    }
    return true;
}

void pressKey(SDLKey key) {
    queueKey(key);
    step();
}

bool screenSpot(SceneObject* object, int& x, int& y) {
    return objectScreenSpot(object, x, y);
}

void pointAtPixel(int x, int y) {
    queueMotion(x, y);
    step(2);
}

bool pointAt(SceneObject* object, int maxFrames) {
    if (!object) return false;
    for (int frame = 0; frame < maxFrames; ++frame) {
        int x, y;
        if (object->dying || !screenSpot(object, x, y)) return false;
        if (mouseX != x || mouseY != y) queueMotion(x, y);
        step();
        if (thePicker.picked == object) return true;
    }
    return false;
}

bool clickObject(SceneObject* object) {
    if (!pointAt(object)) return false;
    queueLeftClick();
    step();
    return true;
}

bool runsEffect(SceneObject* object, EffectFn effect) {
    for (const Action& action : object->animator.actions)
        if (action.effect == effect && !action.finished) return true;
    return false;
}

SceneObject* buttonRunning(SceneObject* root, EffectFn effect) {
    for (SceneObject* child : root->children) {
        if (child->dying) continue;
        if (runsEffect(child, effect)) return child;
        if (SceneObject* found = buttonRunning(child, effect)) return found;
    }
    return nullptr;
}

SceneObject* sizeCard(SceneObject* root, int32_t code) {
    for (SceneObject* child : root->children) {
        if (child->dying) continue;
        for (const Action& action : child->animator.actions)
            if ((action.effect == menuSizeClick || action.effect == sizeCardClick) &&
                PUZZLE_SIZES[action.number].settingsCode == code)
                return child;
        if (SceneObject* found = sizeCard(child, code)) return found;
    }
    return nullptr;
}

SceneObject* pieceOf(int i) {
    return boardPiece(i);
}

SceneObject* placeOf(int i) {
    return boardPlace(i);
}

bool sendPiece(int i) {
    SceneObject* piece = pieceOf(i);
    SceneObject* place = placeOf(i);
    if (!clickObject(piece) || theBoard.heldPiece != piece) return false;
    return clickObject(place);
}

int playCount(const std::string& name) {
    int count = 0;
    for (const PlayedSound& sound : playedSounds)
        count += sound.name == name;
    return count;
}

double Shot::luma(int x, int y) const {
    x = std::clamp(x, 0, width - 1);
    y = std::clamp(y, 0, height - 1);
    const uint8_t* p = &rgb[3 * ((size_t)y * width + x)];
    return 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2];
}

Shot showWholeFrame() {
    redrawEveryFrame = true;
    step(2);
    redrawEveryFrame = false;
    Shot shot;
    shot.width = theVideo->width;
    shot.height = theVideo->height;
    shot.rgb.resize((size_t)shot.width * shot.height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, shot.width, shot.height, GL_RGB, GL_UNSIGNED_BYTE, shot.rgb.data());
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    return shot;
}

void saveScreenshot(const std::string& path) {
    // What the X server shows, as a person would see it.
    std::string command = "import -window root '" + path + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
}
