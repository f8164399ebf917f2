// Input bindings: the one table from keys, switches and pad buttons to actions.
#include "base/input_bindings.h"

namespace {

constexpr int32_t PAD_BUTTON_A = 0;
constexpr int32_t PAD_BUTTON_B = 1;
constexpr int32_t PAD_SHOULDER_LEFT = 4;
constexpr int32_t PAD_SHOULDER_RIGHT = 5;

constexpr InputBinding INPUT_BINDINGS[] = {
    {InputSource::Key, SDLK_TAB, ShiftState::Without, ACTION_STEP},
    {InputSource::Key, SDLK_TAB, ShiftState::With, ACTION_STEP_BACK},
    {InputSource::Key, SDLK_SPACE, ShiftState::Any, ACTION_STEP},
    {InputSource::Key, SDLK_RETURN, ShiftState::Any, ACTION_CHOOSE},
    {InputSource::Key, SDLK_KP_ENTER, ShiftState::Any, ACTION_CHOOSE},
    {InputSource::Key, SDLK_ESCAPE, ShiftState::Any, ACTION_BACK},
    {InputSource::Key, SDLK_LEFT, ShiftState::Any, ACTION_PREVIOUS_PICTURE},
    {InputSource::Key, SDLK_RIGHT, ShiftState::Any, ACTION_NEXT_PICTURE},
    {InputSource::Key, SDLK_F1, ShiftState::Any, ACTION_HELP},
    {InputSource::PadButton, PAD_BUTTON_A, ShiftState::Any, ACTION_CHOOSE},
    {InputSource::PadButton, PAD_BUTTON_B, ShiftState::Any, ACTION_BACK},
    {InputSource::PadButton, PAD_SHOULDER_LEFT, ShiftState::Any, ACTION_PREVIOUS_PICTURE},
    {InputSource::PadButton, PAD_SHOULDER_RIGHT, ShiftState::Any, ACTION_NEXT_PICTURE},
    {InputSource::PadHat, SDL_HAT_UP, ShiftState::Any, ACTION_UP},
    {InputSource::PadHat, SDL_HAT_DOWN, ShiftState::Any, ACTION_DOWN},
    {InputSource::PadHat, SDL_HAT_LEFT, ShiftState::Any, ACTION_LEFT},
    {InputSource::PadHat, SDL_HAT_RIGHT, ShiftState::Any, ACTION_RIGHT},
    {InputSource::PadAxis, 0 * 2, ShiftState::Any, ACTION_LEFT},
    {InputSource::PadAxis, 0 * 2 + 1, ShiftState::Any, ACTION_RIGHT},
    {InputSource::PadAxis, 1 * 2, ShiftState::Any, ACTION_UP},
    {InputSource::PadAxis, 1 * 2 + 1, ShiftState::Any, ACTION_DOWN},
};

bool shiftMatches(ShiftState wanted, SDLMod modifiers) {
    bool shifted = (modifiers & KMOD_SHIFT) != 0;
    return wanted == ShiftState::Any || shifted == (wanted == ShiftState::With);
}

} // namespace

InputAction keyAction(SDLKey key, SDLMod modifiers) {
    for (const InputBinding& binding : INPUT_BINDINGS)
        if (binding.source == InputSource::Key && binding.code == (int32_t)key &&
            shiftMatches(binding.shift, modifiers))
            return binding.action;
    return ACTION_NONE;
}

InputAction padAction(InputSource source, int32_t code) {
    for (const InputBinding& binding : INPUT_BINDINGS)
        if (binding.source == source && binding.code == code) return binding.action;
    return ACTION_NONE;
}

int32_t padAxisCode(int axis, bool positive) {
    return axis * 2 + (positive ? 1 : 0);
}

bool isFocusMove(InputAction action) {
    return action == ACTION_STEP || action == ACTION_STEP_BACK || action == ACTION_UP ||
           action == ACTION_DOWN || action == ACTION_LEFT || action == ACTION_RIGHT;
}
