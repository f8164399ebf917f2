// Input: one frame's SDL events turned into the variables handlers poll.
#include "base/input.h"

int mouseX = 0, mouseY = 0;
bool leftClicked = false;
bool leftLatch = false;
bool keyPending = false;
bool keyConsumed = false;
SDL_KeyboardEvent lastKeyEvent = {};
bool shortcutsActive = false;

void beginInputFrame() {
    keyPending = false;
    leftClicked = false;
}

void recordEvent(const SDL_Event& event) {
    switch (event.type) {
    case SDL_MOUSEMOTION:
        mouseX = event.motion.x;
        mouseY = event.motion.y;
        break;
    case SDL_MOUSEBUTTONDOWN:
        if (event.button.button == SDL_BUTTON_LEFT && !leftLatch) {
            leftClicked = true;
            leftLatch = true;
        }
        break;
    case SDL_MOUSEBUTTONUP:
        if (event.button.button == SDL_BUTTON_LEFT) leftLatch = false;
        break;
    case SDL_KEYDOWN:
        keyPending = true;
        keyConsumed = false;
        lastKeyEvent = event.key;
        break;
    default:
        break; // key releases, other buttons, focus, expose, quit: nothing
    }
}

bool keyPressed(SDLKey sym) {
    if (!keyPending || keyConsumed || lastKeyEvent.keysym.sym != sym) return false;
    keyConsumed = true;
    return true;
}

bool shortcutPressed(SDLKey sym) {
    return shortcutsActive && keyPressed(sym);
}

void resetInput() {
    mouseX = mouseY = 0;
    leftClicked = leftLatch = false;
    keyPending = keyConsumed = false;
    lastKeyEvent = SDL_KeyboardEvent{};
    shortcutsActive = false;
}
