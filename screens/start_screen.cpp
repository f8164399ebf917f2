// The objects that live for the whole run, and the first screen.
#include "screens/start_screen.h"

#include <cmath>

#include "base/input.h"
#include "base/settings.h"
#include "base/video_context.h"
#include "puzzle/photo_walk.h"
#include "puzzle/puzzle_board.h"
#include "resources/mesh.h"
#include "resources/pak_archive.h"
#include "scene/scene_object.h"
#include "screens/dialogs.h"
#include "screens/main_menu.h"
#include "ui/dialog_layer.h"
#include "ui/focus_state.h"

namespace {

constexpr const char* START_SCREEN_ARCHIVE = "interface_my.pak";
constexpr double CURSOR_SCALE = 0.8;
constexpr double CURSOR_EYE_DEPTH = 26;                        // in front of the eye
constexpr double CURSOR_Z = WORLD_DISTANCE - CURSOR_EYE_DEPTH; // in the world root's frame
// Behind the eye: where the pointer waits while the focus ring is in use.
constexpr double CURSOR_HIDDEN_Z = WORLD_DISTANCE + 10;
constexpr double BAR_Z = 0.6;
// Each half of the meadow is this wide, at the world's distance from the eye;
// the screen sees about half of each (more on a very wide screen).
constexpr double BACKGROUND_HALF_UNITS = 150;

// One button of the bar: x = x + xEdge * halfWidthAt(WORLD_DISTANCE),
// y = y + halfHeightAt(WORLD_DISTANCE); how the child lock guards it.
struct BarButton {
    const char* model;
    double x, xEdge, y;
    EffectFn click;
    ButtonGuard guard;
};

// Closing the game and restarting a picture want a grown-up's hold under the lock.
constexpr BarButton BAR_BUTTONS[5] = {
    {"close", -4, 1, -4, showExitDialog, ButtonGuard::HoldUnderLock},
    {"view", 16.5, -1, -5.8, toggleMenuClick, ButtonGuard::None},
    {"break", 28.992, -1, -5.8, showBreakDialog, ButtonGuard::HoldUnderLock},
    {"menu", 7.5, -1, -5.8, showMainMenu, ButtonGuard::None},
    {"help", 22.746, -1, -5.8, showHelpDialog, ButtonGuard::None},
};

// The cursor's one track.
enum CursorTrack : int32_t { CURSOR_FOLLOW };
constexpr TrackSpec CURSOR_TRACKS[] = {{CURSOR_FOLLOW, 0, cursorFollowAction, nullptr}};
static_assert(tracksInOrder(CURSOR_TRACKS));

} // namespace

void cursorFollowAction() {
    // While keys, switches or the pad play, the pointer stands out of sight.
    if (theFocusRing.shown) {
        currentObject->setPosition(0, 0, CURSOR_HIDDEN_Z);
        return;
    }
    Vec3 at = theVideo->pixelToPlane(mouseX, mouseY, CURSOR_EYE_DEPTH);
    currentObject->setPosition(at.x, at.y, CURSOR_Z);
    currentObject->setRotation(2 * at.y - 90, 0, -2.5 * at.x);
}

void buildPersistentObjects() {
    resetPuzzleState();
    resetDialogLayer();

    SceneObject* background = new SceneObject;
    background->setRotation(-90, 0, 0);
    // A half's texture keeps a column for every pixel its whole width would
    // cover on this screen: halved only on a small window.
    // Only the columns over the part the screen can see are kept (the art
    // is made wide enough for the widest screens).
    // A widened camera sees more: the meadow grows with it, so it still fills
    // the screen (an object's own meshes are drawn at the square of its scale).
    double grow = theVideo->viewWidening;
    if (grow != 1) background->setScale(std::sqrt(grow), std::sqrt(grow), std::sqrt(grow));
    double seenUnits = 2 * std::fabs(theVideo->halfWidthAt(WORLD_DISTANCE)) / grow;
    textureShownWidth = (int)std::ceil(theVideo->width * BACKGROUND_HALF_UNITS / seenUnits);
    meshSeenSpan = {-seenUnits / 2, seenUnits / 2};
    background->loadModel(START_SCREEN_ARCHIVE, "fon");
    textureShownWidth = 0;
    meshSeenSpan = SeenSpan();
    for (Mesh* mesh : background->meshes)
        mesh->backdrop = true;
    worldRoot->addChild(background);

    worldRoot->addChild(makeMenuTabParent());
    showMenuTab();

    SceneObject* cursor = new SceneObject;
    cursor->setScale(CURSOR_SCALE, CURSOR_SCALE, CURSOR_SCALE);
    cursor->setPosition(0, 0, CURSOR_Z);
    cursor->loadModel(START_SCREEN_ARCHIVE, "cursor");
    cursor->setTracks(CURSOR_TRACKS);
    cursor->startTrack(CURSOR_FOLLOW);
    worldRoot->addChild(cursor);

    double width = theVideo->halfWidthAt(WORLD_DISTANCE);
    double height = theVideo->halfHeightAt(WORLD_DISTANCE);
    for (const BarButton& spec : BAR_BUTTONS) {
        SceneObject* button = newModelObject(
            BUTTON_ARCHIVE, spec.model, spec.x + spec.xEdge * width, spec.y + height, BAR_Z, true);
        button->setRotation(-90, 0, 0);
        makeClickButton(button, spec.click, 0, spec.guard);
        worldRoot->addChild(button);
    }
}

void openFirstScreen() {
    if (theSettings->showWelcome) {
        showWelcomeDialog();
        return;
    }
    // A size field no size has (a damaged file) opens the default 48 pieces.
    selectPuzzleSize(PUZZLE_SIZES[sizeIndexForCode(theSettings->bigPuzzle)].settingsCode);
    buildPuzzleScreen();
    showPicture();
}

std::vector<std::string> firstScreenArchives() {
    std::vector<std::string> names = {START_SCREEN_ARCHIVE};
    if (theSettings->showWelcome) return names;
    // The board opens on the walk's first picture, in the saved size.
    PictureArchives first =
        walkArchivesFor(0, PUZZLE_SIZES[sizeIndexForCode(theSettings->bigPuzzle)]);
    names.push_back(pictureFinished(0) ? first.picture : first.pieces);
    return names;
}
