// Input: one frame's SDL events turned into the variables handlers poll.
#include "base/input.h"

#include <cstdlib>

#include "base/frame_clock.h"

int mouseX = 0, mouseY = 0;
bool pointerMoved = false;
bool leftClicked = false;
PointerRecord thePointer;
bool pressWaiting = false;
bool keyPending = false;
bool keyConsumed = false;
SDL_KeyboardEvent lastKeyEvent = {};
InputAction pendingAction = ACTION_NONE;
bool shortcutsActive = false;

namespace {

// Where the picker last looked; the pointer starts there too.
int lookedX = 0, lookedY = 0;
// Pointer motion that came after a waiting press: applied with the press.
bool motionWaiting = false;
int waitingX = 0, waitingY = 0;
// The stick's side held past the press threshold, per axis (-1, 0, 1),
// and the hat's last position.
constexpr int PAD_AXES = 2;
int axisHeld[PAD_AXES] = {};
Uint8 hatHeld = SDL_HAT_CENTERED;
constexpr Uint8 HAT_DIRECTIONS[4] = {SDL_HAT_UP, SDL_HAT_DOWN, SDL_HAT_LEFT, SDL_HAT_RIGHT};
// A release that came while its press waited: seen with the press.
bool releaseWaiting = false;

// A key or pad button down now, the action it is bound to and since when.
// The stick and the hat are not held: they move the focus ring, and a
// direction held means nothing more than once.
struct HeldInput {
    InputSource source;
    int32_t code;
    InputAction action;
    uint32_t since;
};
constexpr int MAX_HELD = 16; // more keys than fingers; a press past it is not held
HeldInput held[MAX_HELD];
int heldCount = 0;

uint32_t clockNow() {
    return frameClockSource ? frameClockSource() : frameTime;
}

// A key or button went down: held from now, unless it already was (a repeat).
void holdInput(InputSource source, int32_t code, InputAction action) {
    for (int i = 0; i < heldCount; i++)
        if (held[i].source == source && held[i].code == code) return;
    if (heldCount < MAX_HELD) held[heldCount++] = {source, code, action, clockNow()};
}

void letGoInput(InputSource source, int32_t code) {
    for (int i = 0; i < heldCount; i++)
        if (held[i].source == source && held[i].code == code) {
            held[i] = held[--heldCount];
            return;
        }
}

// The window lost the keyboard: what is down now will not be seen coming up.
void letGoEverything() {
    heldCount = 0;
    if (!thePointer.down) return;
    thePointer.down = false;
    if (pressWaiting)
        releaseWaiting = true;
    else
        thePointer.released = true;
}

void movePointer(int x, int y) {
    if (pressWaiting) {
        motionWaiting = true;
        waitingX = x;
        waitingY = y;
        return;
    }
    pointerMoved = pointerMoved || x != mouseX || y != mouseY;
    mouseX = x;
    mouseY = y;
}

void pressAction(InputAction action, const SDL_KeyboardEvent& key) {
    keyPending = true;
    keyConsumed = false;
    lastKeyEvent = key;
    pendingAction = action;
}

void recordPadPress(InputSource source, int32_t code) {
    InputAction action = padAction(source, code);
    if (action == ACTION_NONE) return;
    pressAction(action, SDL_KeyboardEvent{});
    if (source == InputSource::PadButton) holdInput(source, code, action);
}

void recordKeyPress(const SDL_KeyboardEvent& key) {
    InputAction action = keyAction(key.keysym.sym, key.keysym.mod);
    pressAction(action, key);
    if (action != ACTION_NONE) holdInput(InputSource::Key, key.keysym.sym, action);
}

// A stick counts once per push past the threshold.
void recordAxis(const SDL_JoyAxisEvent& axis) {
    if (axis.axis >= PAD_AXES) return;
    int& held = axisHeld[axis.axis];
    int value = axis.value;
    if (held != 0 && std::abs(value) < PAD_AXIS_RELEASE) held = 0;
    if (held != 0 || std::abs(value) < PAD_AXIS_PRESS) return;
    held = value > 0 ? 1 : -1;
    recordPadPress(InputSource::PadAxis, padAxisCode(axis.axis, value > 0));
}

// Each hat direction counts when it goes down.
void recordHat(Uint8 value) {
    Uint8 pressed = (Uint8)(value & ~hatHeld);
    hatHeld = value;
    for (Uint8 bit : HAT_DIRECTIONS)
        if (pressed & bit) recordPadPress(InputSource::PadHat, bit);
}

void recordLeftPress() {
    if (thePointer.down) return;
    thePointer.down = true;
    thePointer.pressX = mouseX;
    thePointer.pressY = mouseY;
    thePointer.downSince = clockNow();
    if (mouseX == lookedX && mouseY == lookedY)
        leftClicked = true;
    else
        pressWaiting = true;
}

void recordLeftRelease() {
    if (!thePointer.down) return;
    thePointer.down = false;
    if (pressWaiting)
        releaseWaiting = true;
    else
        thePointer.released = true;
}

} // namespace

void beginInputFrame() {
    keyPending = false;
    leftClicked = false;
    pointerMoved = false;
    pendingAction = ACTION_NONE;
    thePointer.released = false;
    if (!pressWaiting) return;
    // The picker has looked at the press's point since: it counts now.
    pressWaiting = false;
    leftClicked = true;
    thePointer.released = releaseWaiting;
    releaseWaiting = false;
    if (motionWaiting) movePointer(waitingX, waitingY);
    motionWaiting = false;
}

void recordEvent(const SDL_Event& event) {
    switch (event.type) {
    case SDL_MOUSEMOTION:
        movePointer(event.motion.x, event.motion.y);
        break;
    case SDL_MOUSEBUTTONDOWN:
        if (event.button.button == SDL_BUTTON_LEFT) recordLeftPress();
        break;
    case SDL_MOUSEBUTTONUP:
        if (event.button.button == SDL_BUTTON_LEFT) recordLeftRelease();
        break;
    case SDL_KEYDOWN:
        recordKeyPress(event.key);
        break;
    case SDL_KEYUP:
        letGoInput(InputSource::Key, event.key.keysym.sym);
        break;
    case SDL_JOYBUTTONDOWN:
        recordPadPress(InputSource::PadButton, event.jbutton.button);
        break;
    case SDL_JOYBUTTONUP:
        letGoInput(InputSource::PadButton, event.jbutton.button);
        break;
    case SDL_ACTIVEEVENT:
        if ((event.active.state & SDL_APPINPUTFOCUS) && !event.active.gain) letGoEverything();
        break;
    case SDL_JOYHATMOTION:
        if (event.jhat.hat == 0) recordHat(event.jhat.value);
        break;
    case SDL_JOYAXISMOTION:
        recordAxis(event.jaxis);
        break;
    default:
        break; // other buttons, expose, quit: nothing
    }
}

void pickerLookedAt(int x, int y) {
    lookedX = x;
    lookedY = y;
}

bool keyPressed(SDLKey sym) {
    if (!keyPending || keyConsumed || lastKeyEvent.keysym.sym != sym) return false;
    keyConsumed = true;
    return true;
}

bool shortcutPressed(SDLKey sym) {
    return shortcutsActive && keyPressed(sym);
}

bool actionPressed(InputAction action) {
    if (!keyPending || keyConsumed || pendingAction != action) return false;
    keyConsumed = true;
    return true;
}

bool shortcutAction(InputAction action) {
    return shortcutsActive && actionPressed(action);
}

bool actionHeldSince(InputAction action, uint32_t& since) {
    bool any = false;
    for (int i = 0; i < heldCount; i++)
        if (held[i].action == action && (!any || (int32_t)(held[i].since - since) < 0)) {
            since = held[i].since;
            any = true;
        }
    return any;
}

uint32_t pointerHeldMs(uint32_t now) {
    return thePointer.down ? now - thePointer.downSince : 0;
}

void resetInput() {
    mouseX = mouseY = 0;
    lookedX = lookedY = 0;
    pointerMoved = false;
    leftClicked = pressWaiting = motionWaiting = releaseWaiting = false;
    thePointer = PointerRecord{};
    heldCount = 0;
    keyPending = keyConsumed = false;
    lastKeyEvent = SDL_KeyboardEvent{};
    pendingAction = ACTION_NONE;
    shortcutsActive = false;
    axisHeld[0] = axisHeld[1] = 0;
    hatHeld = SDL_HAT_CENTERED;
}
