// Input: how one frame's events become clicks and key presses.
#include <gtest/gtest.h>

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
    EXPECT_FALSE(leftLatch);
    beginInputFrame();
    EXPECT_FALSE(leftClicked);
}

TEST_F(Input, PressReleasePressInOneFrameIsStillOneClickAndStaysLatched) {
    beginInputFrame();
    recordEvent(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    recordEvent(button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT));
    recordEvent(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT));
    EXPECT_TRUE(leftClicked);
    EXPECT_TRUE(leftLatch);
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
