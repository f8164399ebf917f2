// VideoContext: the one full-screen OpenGL window and its camera.
//
// open initialises SDL video and sets a 32-bit full-screen OpenGL mode at the
// desktop's size (width, height, depth 0), asking for 4x multisampling and an
// accelerated visual; if that fails, or the visual turns out to be a
// software rasteriser (llvmpipe, softpipe, swrast: multisampling there costs
// most of the frame), it retries once with a fresh video subsystem and
// neither.  A machine without any GPU device node gets the plain
// mode at once: its visual can only be a software rasteriser.  When even
// the plain mode fails (a 16-bit display has no 8-bit colour visual), it
// takes whatever colour and a 16-bit depth buffer the display offers, at
// the display's own depth.  Then the fixed GL state the whole game draws
// with, and a 45 degree perspective camera (near 0.1, far 250).
//
// widenView widens that camera for a screen whose shape leaves the board
// too little room (portrait and square screens): the visible area grows by
// the widening both ways, the shape stays the screen's, so nothing is
// stretched; a widening of 1 is the 45 degree camera exactly.
//
// halfWidthAt(d) / halfHeightAt(d): half extents of the visible area d units
// in front of the eye (negated for negative d); screens pin objects to the
// screen's edges with them.  pixelToPlane and pixelOf are the camera's one
// pair of conversions between window pixels and the eye's space: where a
// pixel's ray meets a plane d in front of the eye (the cursor, the focus
// ring, a dragged piece), and where a point seen through a model-view matrix
// lands on the window (aiming at objects, their screen boxes).
//
// Failures: "Video initialization failed: %s\n" (also when SDL found no
// display and fell back on a driver that shows nothing) or "Video mode set
// failed: %s\n" on stderr, SDL shut down, exit status 1.
#pragma once

#include <SDL/SDL.h>

#include <string>

#include "base/vec3.h"

// The world root's origin lies this far in front of the eye: screens pin
// objects in the world root's frame to the screen's edges with
// halfWidthAt(WORLD_DISTANCE) and halfHeightAt(WORLD_DISTANCE).
constexpr double WORLD_DISTANCE = 100;

struct VideoContext {
    Vec3 corner;            // eye-space point on the ray through the lower-left corner
    int width = 0;          // window pixels
    int height = 0;
    bool multisampled = false; // 4x multisampling is on
    int redBits = 8;           // of the window's colour buffer (5 on a 16-bit display)
    double viewWidening = 1;   // the visible area over the 45 degree camera's, each way

    void open(int width, int height, int depth);
    void openNoCursor(int width, int height, int depth); // open + invisible cursor
    void setMode();
    void setProjection(int width, int height);
    void widenView(double widening); // the camera for this widening (1 or more)
    double halfWidthAt(double d) const { return corner.x * d / corner.z; }
    double halfHeightAt(double d) const { return corner.y * d / corner.z; }
    // Window pixel (px, py), origin top left, on the plane d in front of the
    // eye: x right, y up (z = -d), in the eye's units.
    Vec3 pixelToPlane(double px, double py, double d) const;
    // Where `point`, under the model-view `modelview` (column-major, as GL
    // keeps it), lands on the window: pixels, origin top left; false when it
    // lies at or behind the eye.
    bool pixelOf(const double modelview[16], const Vec3& point, double& px, double& py) const;
    ~VideoContext(); // SDL_Quit
};

extern VideoContext* theVideo;     // created by the start-up
extern SDL_Surface* screenSurface; // what SDL_SetVideoMode returned

// True when SDL's video driver of that name shows no window (offscreen,
// dummy): SDL's choice when no display can be reached.
bool isWindowlessVideoDriver(const char* driver);

// True when the GL_RENDERER string names a software rasteriser.
bool isSoftwareRenderer(const char* renderer);

// Tests only: keep multisampling even on a software rasteriser.
extern bool videoKeepMultisampleOnSoftware;
// Where GPU device nodes are looked for ("/dev/"); tests point it at a
// folder with a fake one to take the path of a GPU machine whose GL turns
// out to be a software rasteriser.
extern std::string videoDeviceRoot;

// No window can be had: beforeVideoFailureExit (when set) stops whatever
// runs beside the main thread, then SDL_Quit and exit(1).  Libraries are
// unloaded on the way out, so no worker may still be inside one of them.
void fatalVideoError();
extern void (*beforeVideoFailureExit)();
