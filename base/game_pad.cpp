// The game pad: SDL 1.2's joystick interface, opened once at start-up.
#include "base/game_pad.h"

#include <SDL/SDL.h>

#include <cstdio>

namespace {

SDL_Joystick* pad = nullptr; // the open pad, or none

} // namespace

bool openGamePad() {
    if (pad) return true;
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return false;
    if (SDL_NumJoysticks() > 0) pad = SDL_JoystickOpen(0);
    if (!pad) {
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
        return false;
    }
    SDL_JoystickEventState(SDL_ENABLE);
    std::printf("meadow_mosaics: playing with the pad %s\n", SDL_JoystickName(0));
    std::fflush(stdout);
    return true;
}

void closeGamePad() {
    if (!pad) return;
    SDL_JoystickClose(pad);
    pad = nullptr;
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

bool gamePadOpen() {
    return pad != nullptr;
}
