// Input: how one frame's events become clicks and key presses.
#include <gtest/gtest.h>

#include "base/frame_clock.h"
#include "base/input.h"

namespace {

SDL_Event button(Uint8 type, Uint8 which) {
    SDL_Event event = {};
    event.type = type;
    event.button.type = type;
    event.button.button = which;
    return event;
}

SDL_Event key(SDLKey sym) {
    SDL_Event event = {};
    event.type = SDL_KEYDOWN;
    event.key.type = SDL_KEYDOWN;
    event.key.keysym.sym = sym;
    return event;
}

SDL_Event motion(Uint16 x, Uint16 y) {
    SDL_Event event = {};
    event.type = SDL_MOUSEMOTION;
    event.motion.x = x;
    event.motion.y = y;
    return event;
}

struct Input : testing::Test {
    void SetUp() override { resetInput(); }
    void TearDown() override { resetInput(); }
};

} // namespace

TEST_F(Input, PressAndReleaseInOneFrameIsOneClick) {
    beginInputFrame();
    recordEvent(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    recordEvent(button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT));
    EXPECT_TRUE(leftClicked);
    EXPECT_FALSE(thePointer.down);
    beginInputFrame();
    EXPECT_FALSE(leftClicked);
}

TEST_F(Input, PressReleasePressInOneFrameIsStillOneClickAndStaysLatched) {
    beginInputFrame();
    recordEvent(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    recordEvent(button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT));
    recordEvent(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    EXPECT_TRUE(leftClicked);
    EXPECT_TRUE(thePointer.down);
}

TEST_F(Input, HeldButtonCountsOnceUntilReleased) {
    beginInputFrame();
    recordEvent(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    EXPECT_TRUE(leftClicked);
    // The release went to another window: further presses do not count.
    beginInputFrame();
    recordEvent(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    EXPECT_FALSE(leftClicked);
    recordEvent(button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT));
    beginInputFrame();
    recordEvent(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    EXPECT_TRUE(leftClicked);
}

TEST_F(Input, OtherButtonsAndButtonPositionsAreIgnored) {
    beginInputFrame();
    SDL_Event right = button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT);
    right.button.x = 50;
    right.button.y = 60;
    recordEvent(right);
    EXPECT_FALSE(leftClicked);
    EXPECT_EQ(mouseX, 0); // before any motion the pointer is at (0, 0)
    EXPECT_EQ(mouseY, 0);
    recordEvent(motion(1919, 1079));
    EXPECT_EQ(mouseX, 1919);
    EXPECT_EQ(mouseY, 1079);
}

TEST_F(Input, OfTwoKeysInOneFrameOnlyTheLastCanBeTaken) {
    beginInputFrame();
    recordEvent(key(SDLK_LEFT));
    recordEvent(key(SDLK_RIGHT));
    EXPECT_FALSE(keyPressed(SDLK_LEFT));
    EXPECT_TRUE(keyPressed(SDLK_RIGHT));
}

TEST_F(Input, ATakenKeyIsConsumedAndLostAfterItsFrame) {
    beginInputFrame();
    recordEvent(key(SDLK_ESCAPE));
    EXPECT_FALSE(keyPressed(SDLK_F1)); // a miss does not consume
    EXPECT_TRUE(keyPressed(SDLK_ESCAPE));
    EXPECT_FALSE(keyPressed(SDLK_ESCAPE));
    keyConsumed = false; // the dialog layer hands the same press on
    EXPECT_TRUE(keyPressed(SDLK_ESCAPE));

    beginInputFrame();
    recordEvent(key(SDLK_F1));
    beginInputFrame(); // nobody asked during that frame
    EXPECT_FALSE(keyPressed(SDLK_F1));
}

TEST_F(Input, ShortcutsNeedTheActivePageAndDoNotConsumeOtherwise) {
    beginInputFrame();
    recordEvent(key(SDLK_RETURN));
    shortcutsActive = false;
    EXPECT_FALSE(shortcutPressed(SDLK_RETURN));
    EXPECT_FALSE(keyConsumed);
    shortcutsActive = true;
    EXPECT_TRUE(shortcutPressed(SDLK_RETURN));
    EXPECT_FALSE(shortcutPressed(SDLK_RETURN));
}

TEST_F(Input, KeyReleasesAndQuitRequestsChangeNothing) {
    beginInputFrame();
    SDL_Event up = key(SDLK_ESCAPE);
    up.type = SDL_KEYUP;
    recordEvent(up);
    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    recordEvent(quit);
    EXPECT_FALSE(keyPending);
    EXPECT_FALSE(leftClicked);
}

TEST_F(Input, ATapWaitsOneFrameForThePickerToLookWhereItPressed) {
    pickerLookedAt(0, 0);
    beginInputFrame();
    recordEvent(motion(300, 200));
    recordEvent(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    recordEvent(button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT)); // released at once
    recordEvent(motion(500, 400));                           // and gone on
    EXPECT_FALSE(leftClicked);
    EXPECT_TRUE(pressWaiting);
    EXPECT_EQ(mouseX, 300); // the picker looks at the press's point first
    pickerLookedAt(mouseX, mouseY);
    beginInputFrame();
    EXPECT_TRUE(leftClicked);
    EXPECT_FALSE(pressWaiting);
    EXPECT_EQ(mouseX, 500);
    EXPECT_TRUE(pointerMoved);
    pickerLookedAt(mouseX, mouseY);
    beginInputFrame();
    EXPECT_FALSE(leftClicked);
    // A press where the picker looked counts in its own frame.
    recordEvent(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    EXPECT_TRUE(leftClicked);
    EXPECT_FALSE(pressWaiting);
}

TEST_F(Input, KeysAndPadButtonsBecomeTheirActions) {
    struct {
        SDL_Event event;
        InputAction action;
    } presses[] = {
        {key(SDLK_TAB), ACTION_STEP},
        {key(SDLK_SPACE), ACTION_STEP},
        {key(SDLK_RETURN), ACTION_CHOOSE},
        {key(SDLK_ESCAPE), ACTION_BACK},
        {key(SDLK_LEFT), ACTION_PREVIOUS_PICTURE},
        {key(SDLK_F1), ACTION_HELP},
        {key(SDLK_a), ACTION_NONE},
    };
    for (const auto& press : presses) {
        beginInputFrame();
        recordEvent(press.event);
        EXPECT_EQ(pendingAction, press.action) << press.event.key.keysym.sym;
    }
    SDL_Event back = key(SDLK_TAB);
    back.key.keysym.mod = KMOD_RSHIFT;
    beginInputFrame();
    recordEvent(back);
    EXPECT_EQ(pendingAction, ACTION_STEP_BACK);

    const InputAction padButtons[] = {
        ACTION_CHOOSE,           ACTION_BACK,        ACTION_NONE, ACTION_NONE,
        ACTION_PREVIOUS_PICTURE, ACTION_NEXT_PICTURE};
    for (Uint8 b = 0; b < 6; ++b) {
        SDL_Event pad = {};
        pad.type = SDL_JOYBUTTONDOWN;
        pad.jbutton.button = b;
        beginInputFrame();
        recordEvent(pad);
        EXPECT_EQ(pendingAction, padButtons[b]) << (int)b;
    }
}

TEST_F(Input, AnActionIsTakenOnceAndSharesItsPressWithTheKeyTest) {
    beginInputFrame();
    recordEvent(key(SDLK_ESCAPE));
    EXPECT_FALSE(actionPressed(ACTION_CHOOSE)); // a miss does not consume
    EXPECT_TRUE(actionPressed(ACTION_BACK));
    EXPECT_FALSE(actionPressed(ACTION_BACK));
    EXPECT_FALSE(keyPressed(SDLK_ESCAPE));
    shortcutsActive = false;
    keyConsumed = false;
    EXPECT_FALSE(shortcutAction(ACTION_BACK));
    shortcutsActive = true;
    EXPECT_TRUE(shortcutAction(ACTION_BACK));
}

TEST_F(Input, TheStickCountsOncePerPushAndTheHatPerDirection) {
    auto axis = [](Uint8 which, Sint16 value) {
        SDL_Event event = {};
        event.type = SDL_JOYAXISMOTION;
        event.jaxis.axis = which;
        event.jaxis.value = value;
        beginInputFrame();
        recordEvent(event);
        return keyPending ? pendingAction : ACTION_NONE;
    };
    EXPECT_EQ(axis(0, 9000), ACTION_NONE); // not far enough
    EXPECT_EQ(axis(0, 20000), ACTION_RIGHT);
    EXPECT_EQ(axis(0, 32000), ACTION_NONE); // still the same push
    EXPECT_EQ(axis(0, 12000), ACTION_NONE); // not back in the middle yet
    EXPECT_EQ(axis(0, 1000), ACTION_NONE);
    EXPECT_EQ(axis(0, -20000), ACTION_LEFT);
    EXPECT_EQ(axis(1, 20000), ACTION_DOWN);
    EXPECT_EQ(axis(3, 20000), ACTION_NONE); // the other stick moves nothing

    auto hat = [](Uint8 value) {
        SDL_Event event = {};
        event.type = SDL_JOYHATMOTION;
        event.jhat.value = value;
        beginInputFrame();
        recordEvent(event);
        return keyPending ? pendingAction : ACTION_NONE;
    };
    EXPECT_EQ(hat(SDL_HAT_UP), ACTION_UP);
    EXPECT_EQ(hat(SDL_HAT_UP | SDL_HAT_RIGHT), ACTION_RIGHT); // only the new direction
    EXPECT_EQ(hat(SDL_HAT_CENTERED), ACTION_NONE);
    EXPECT_EQ(hat(SDL_HAT_UP), ACTION_UP);
}

namespace {

uint32_t testNow = 5000;
uint32_t testClock() {
    return testNow;
}

SDL_Event keyUp(SDLKey sym) {
    SDL_Event event = key(sym);
    event.type = event.key.type = SDL_KEYUP;
    return event;
}

SDL_Event padButton(Uint8 type, Uint8 which) {
    SDL_Event event = {};
    event.type = type;
    event.jbutton.type = type;
    event.jbutton.button = which;
    return event;
}

SDL_Event focusLost() {
    SDL_Event event = {};
    event.type = SDL_ACTIVEEVENT;
    event.active.state = SDL_APPINPUTFOCUS;
    event.active.gain = 0;
    return event;
}

// Holds read the frame clock's source as the events come.
struct Holds : Input {
    void SetUp() override {
        Input::SetUp();
        frameClockSource = testClock;
        testNow = 5000;
    }
    void TearDown() override {
        frameClockSource = nullptr;
        Input::TearDown();
    }
};

} // namespace

TEST_F(Holds, ThePointerKeepsWhereAndWhenItWentDownUntilItComesUp) {
    pickerLookedAt(0, 0);
    beginInputFrame();
    recordEvent(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    EXPECT_TRUE(leftClicked);
    EXPECT_TRUE(thePointer.down);
    EXPECT_FALSE(thePointer.released);
    testNow += 1200;
    beginInputFrame();
    recordEvent(motion(400, 300)); // dragged away while held
    EXPECT_FALSE(leftClicked);
    EXPECT_EQ(pointerHeldMs(testNow), 1200u);
    EXPECT_EQ(thePointer.pressX, 0);
    EXPECT_EQ(mouseX, 400);
    recordEvent(button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT));
    EXPECT_TRUE(thePointer.released);
    EXPECT_FALSE(thePointer.down);
    EXPECT_EQ(pointerHeldMs(testNow), 0u);
    beginInputFrame();
    EXPECT_FALSE(thePointer.released); // a release is seen for one frame
}

TEST_F(Holds, ATapsReleaseIsSeenWithItsPressAtThePressPoint) {
    pickerLookedAt(0, 0);
    beginInputFrame();
    recordEvent(motion(300, 200));
    recordEvent(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    recordEvent(button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT));
    recordEvent(motion(500, 400));
    EXPECT_FALSE(thePointer.released); // not before the press counts
    pickerLookedAt(mouseX, mouseY);
    beginInputFrame();
    EXPECT_TRUE(leftClicked);
    EXPECT_TRUE(thePointer.released);
    EXPECT_FALSE(thePointer.down);
    EXPECT_EQ(thePointer.pressX, 300);
    EXPECT_EQ(thePointer.pressY, 200);
}

TEST_F(Holds, KeysAndPadButtonsAreHeldFromPressToReleaseWhateverTheRepeats) {
    uint32_t since = 0;
    beginInputFrame();
    recordEvent(key(SDLK_ESCAPE));
    EXPECT_TRUE(actionHeldSince(ACTION_BACK, since));
    EXPECT_EQ(since, 5000u);
    EXPECT_FALSE(actionHeldSince(ACTION_CHOOSE, since));
    // The keyboard's repeats are presses, but the hold runs on from the first.
    testNow += 500;
    beginInputFrame();
    recordEvent(key(SDLK_ESCAPE));
    EXPECT_TRUE(actionPressed(ACTION_BACK));
    EXPECT_TRUE(actionHeldSince(ACTION_BACK, since));
    EXPECT_EQ(since, 5000u);
    // The pad's B is Escape too: the earlier press tells the hold's start.
    testNow += 500;
    recordEvent(padButton(SDL_JOYBUTTONDOWN, 1));
    recordEvent(keyUp(SDLK_ESCAPE));
    EXPECT_TRUE(actionHeldSince(ACTION_BACK, since));
    EXPECT_EQ(since, 6000u);
    recordEvent(padButton(SDL_JOYBUTTONUP, 1));
    EXPECT_FALSE(actionHeldSince(ACTION_BACK, since));
    // Keys bound to nothing are never held.
    recordEvent(key(SDLK_a));
    EXPECT_FALSE(actionHeldSince(ACTION_NONE, since));
}

TEST_F(Holds, LosingTheFocusLetsGoOfEverything) {
    pickerLookedAt(0, 0);
    beginInputFrame();
    recordEvent(key(SDLK_RETURN));
    recordEvent(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    beginInputFrame();
    recordEvent(focusLost());
    uint32_t since = 0;
    EXPECT_FALSE(actionHeldSince(ACTION_CHOOSE, since));
    EXPECT_FALSE(thePointer.down);
    EXPECT_TRUE(thePointer.released);
    // The release that comes back later changes nothing more.
    beginInputFrame();
    recordEvent(button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT));
    EXPECT_FALSE(thePointer.released);
}
