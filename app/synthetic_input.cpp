// Synthetic input: SDL events queued by the program, and where to aim them.
#include "app/synthetic_input.h"

#include <cstring>

#include "base/video_context.h"
#include "resources/mesh.h"
#include "scene/scene_object.h"

bool queueMotionEvent(int x, int y) {
    SDL_Event event = {};
    event.type = SDL_MOUSEMOTION;
    event.motion.type = SDL_MOUSEMOTION;
    event.motion.x = (Uint16)x;
    event.motion.y = (Uint16)y;
    return SDL_PushEvent(&event) == 0;
}

namespace {

bool queueLeftButtonEvent(Uint8 type) {
    SDL_Event event = {};
    event.type = type;
    event.button.type = type;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    return SDL_PushEvent(&event) == 0;
}

bool queueKeyChange(SDLKey key, Uint8 type) {
    SDL_Event event = {};
    event.type = type;
    event.key.type = type;
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    return SDL_PushEvent(&event) == 0;
}

} // namespace

bool queueLeftClickEvents() {
    bool pressed = queueLeftPressEvent();
    return queueLeftReleaseEvent() && pressed;
}

bool queueLeftPressEvent() {
    return queueLeftButtonEvent(SDL_MOUSEBUTTONDOWN);
}

bool queueLeftReleaseEvent() {
    return queueLeftButtonEvent(SDL_MOUSEBUTTONUP);
}

bool queueKeyEvent(SDLKey key) {
    bool down = queueKeyDownEvent(key);
    return queueKeyUpEvent(key) && down;
}

bool queueKeyDownEvent(SDLKey key) {
    return queueKeyChange(key, SDL_KEYDOWN);
}

bool queueKeyUpEvent(SDLKey key) {
    return queueKeyChange(key, SDL_KEYUP);
}

bool queueFocusLossEvent() {
    SDL_Event event = {};
    event.type = SDL_ACTIVEEVENT;
    event.active.type = SDL_ACTIVEEVENT;
    event.active.gain = 0;
    event.active.state = SDL_APPINPUTFOCUS;
    return SDL_PushEvent(&event) == 0;
}

bool objectScreenSpot(const SceneObject* object, int& x, int& y) {
    if (!theVideo) return false;
    double sx = 0, sy = 0;
    int points = 0;
    for (const Mesh* mesh : object->meshes) {
        int vertices = 3 * mesh->triangleCount;
        Vec3 c = {0, 0, 0};
        for (int v = 0; v < vertices; ++v) {
            double p[3];
            std::memcpy(p, mesh->positions + (size_t)v * sizeof p, sizeof p);
            c = {c.x + p[0], c.y + p[1], c.z + p[2]};
        }
        double wx, wy;
        if (vertices == 0 ||
            !theVideo->pixelOf(mesh->savedMatrix, {c.x / vertices, c.y / vertices, c.z / vertices},
                               wx, wy))
            continue;
        // Weighted by vertex count: the object's big meshes decide.
        sx += wx * vertices;
        sy += wy * vertices;
        points += vertices;
    }
    if (points == 0) return false;
    x = (int)(sx / points);
    y = (int)(sy / points);
    return x >= 0 && y >= 0 && x < theVideo->width && y < theVideo->height;
}
