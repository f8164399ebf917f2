// Input bindings: which key, switch or pad button means which action.
//
// The game reacts to a few actions, never to keys: one table maps every
// key, the switches (which send Space and Return), and the game pad's
// buttons, hat and left stick onto them.  base/input looks each press up
// here and keeps the frame's last action; effects ask for the action
// (actionPressed), so a pad's B and the Escape key leave the same way.
//
// The pad's buttons are numbered as Linux reports the common pads: A 0,
// B 1, the shoulder buttons 4 and 5.  A stick counts as pressed in a
// direction once it passes PAD_AXIS_PRESS from the middle, and again only
// after it came back within PAD_AXIS_RELEASE.
#pragma once

#include <SDL/SDL.h>

#include <cstdint>

enum InputAction : int32_t {
    ACTION_NONE,
    ACTION_STEP,             // the focus ring to the next thing (Tab, Space)
    ACTION_STEP_BACK,        // the focus ring to the thing before (Shift+Tab)
    ACTION_CHOOSE,           // act on the ring's thing; before the ring: the dialog's default
    ACTION_BACK,             // leave, or close the dialog (Escape, pad B)
    ACTION_PREVIOUS_PICTURE, // Left, the left shoulder button
    ACTION_NEXT_PICTURE,     // Right, the right shoulder button
    ACTION_HELP,             // F1
    ACTION_UP,               // the ring to the nearest thing that way (pad only)
    ACTION_DOWN,
    ACTION_LEFT,
    ACTION_RIGHT,
};

// Where a press came from.
enum class InputSource : uint8_t { Key, PadButton, PadHat, PadAxis };

// Shift state a key binding asks for.
enum class ShiftState : uint8_t { Any, Without, With };

// One row: a source, its code (key, button, hat bit, or axis * 2 + 1 for
// the positive side), the shift state and the action.
struct InputBinding {
    InputSource source;
    int32_t code;
    ShiftState shift;
    InputAction action;
};

constexpr int32_t PAD_AXIS_PRESS = 16000;
constexpr int32_t PAD_AXIS_RELEASE = 8000;

// The action of a key with its modifiers; ACTION_NONE when it has none.
InputAction keyAction(SDLKey key, SDLMod modifiers);
// The action of a pad button, a hat direction bit, or one side of an axis.
InputAction padAction(InputSource source, int32_t code);
// The code of an axis side: axis * 2, + 1 for the positive side.
int32_t padAxisCode(int axis, bool positive);
// Whether an action moves the focus ring (steps and directions).
bool isFocusMove(InputAction action);
