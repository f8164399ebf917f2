// Synthetic input: SDL events queued by the program, and where to aim them.
#include "app/synthetic_input.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstring>

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

bool queueLeftClickEvents() {
    SDL_Event event = {};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.type = SDL_MOUSEBUTTONDOWN;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.state = SDL_PRESSED;
    bool pressed = SDL_PushEvent(&event) == 0;
    event.type = SDL_MOUSEBUTTONUP;
    event.button.type = SDL_MOUSEBUTTONUP;
    event.button.state = SDL_RELEASED;
    return SDL_PushEvent(&event) == 0 && pressed;
}

bool queueKeyEvent(SDLKey key) {
    SDL_Event event = {};
    event.type = SDL_KEYDOWN;
    event.key.type = SDL_KEYDOWN;
    event.key.state = SDL_PRESSED;
    event.key.keysym.sym = key;
    return SDL_PushEvent(&event) == 0;
}

bool objectScreenSpot(const SceneObject* object, int& x, int& y) {
    GLdouble projection[16];
    GLint viewport[4];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    double sx = 0, sy = 0;
    int points = 0;
    for (const Mesh* mesh : object->meshes) {
        int vertices = 3 * mesh->triangleCount;
        double c[3] = {0, 0, 0};
        for (int v = 0; v < vertices; ++v) {
            double p[3];
            std::memcpy(p, mesh->positions + (size_t)v * sizeof p, sizeof p);
            for (int k = 0; k < 3; ++k)
                c[k] += p[k];
        }
        GLdouble wx, wy, wz;
        if (vertices == 0 || !gluProject(c[0] / vertices, c[1] / vertices, c[2] / vertices,
                                         mesh->savedMatrix, projection, viewport, &wx, &wy, &wz))
            continue;
        // Weighted by vertex count: the object's big meshes decide.
        sx += wx * vertices;
        sy += (viewport[3] - wy) * vertices;
        points += vertices;
    }
    if (points == 0) return false;
    x = (int)(sx / points);
    y = (int)(sy / points);
    return x >= 0 && y >= 0 && x < viewport[2] && y < viewport[3];
}
