// The full-screen OpenGL window, its fixed GL state and the camera.
#include "base/video_context.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include "base/platform.h"

VideoContext* theVideo = nullptr;
SDL_Surface* screenSurface = nullptr;
bool videoKeepMultisampleOnSoftware = false;
std::string videoDeviceRoot = "/dev/";

namespace {

constexpr Uint32 MODE_FLAGS = SDL_OPENGL | SDL_FULLSCREEN | SDL_HWSURFACE | SDL_ASYNCBLIT;
constexpr int CURSOR_SIDE = 16;

// SDL video drivers that draw nowhere anyone can see: SDL falls back on them
// when no display can be reached, and the game would then run unseen for
// ever, holding the settings folder's lock.
constexpr const char* WINDOWLESS_DRIVERS[] = {"offscreen", "dummy", "evdev"};

// Renderer names of Mesa's rasterisers that run on the CPU.
constexpr const char* SOFTWARE_RENDERERS[] = {"llvmpipe", "softpipe", "swrast"};

// The invisible pointer installed instead of hiding the system one.
SDL_Cursor* blankCursor = nullptr;

// Colour and depth bits of the game's own request, and of the last resort
// (0 colour bits: whatever the display has).
constexpr int COLOUR_BITS = 8, DEPTH_BITS = 24;
constexpr int OFFERED_COLOUR_BITS = 0, OFFERED_DEPTH_BITS = 16;

// SDL_GL_ACCELERATED_VISUAL: a visual without a caveat (what a GPU's driver
// offers), or any visual.  Asking for 0 would demand one marked "slow",
// which X servers need not have (Xvfb has had them in some releases, not in
// others), so the plain requests take whatever the server offers.
constexpr int ACCELERATED_VISUAL = 1, ANY_VISUAL = -1;

// The GL attributes of a mode request, in the order the mode wants them.
void setGlAttributes(bool multisample, int colourBits = COLOUR_BITS, int depthBits = DEPTH_BITS) {
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, colourBits);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, colourBits);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, colourBits);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, depthBits);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLEBUFFERS, multisample ? 1 : 0);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLESAMPLES, multisample ? 4 : 0);
    SDL_GL_SetAttribute(SDL_GL_ACCELERATED_VISUAL, multisample ? ACCELERATED_VISUAL : ANY_VISUAL);
}

// True when the mode just set runs on a CPU rasteriser we should not
// burden with multisampling.
bool wantsPlainRetry() {
    if (videoKeepMultisampleOnSoftware) return false;
    return isSoftwareRenderer(reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
}

// The GL state every frame is drawn with; lighting stays off.
void setFixedGlState() {
    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glClearColor(0, 0, 0, 0);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glAlphaFunc(GL_GREATER, 0.9f);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glEnable(GL_NORMALIZE);
    const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    if (extensions && std::strstr(extensions, "GL_EXT_separate_specular_color"))
        glLightModeli(GL_LIGHT_MODEL_COLOR_CONTROL, GL_SEPARATE_SPECULAR_COLOR);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnable(GL_TEXTURE_2D);
}

// The SDL 1.2 compatibility layer never frees the window surface that
// SDL_SetVideoMode returns: not at SDL_Quit, and SDL_FreeSurface refuses it.
// That is one surface, with its pixel format and palette, per mode set.
// Leak checks are told of exactly that object, so they still report any
// other block the game would leak through SDL.
SDL_Surface* setVideoMode(int width, int height, int bitsPerPixel, Uint32 flags) {
    SDL_Surface* surface = SDL_SetVideoMode(width, height, bitsPerPixel, flags);
#if defined(__SANITIZE_ADDRESS__)
    if (surface) __lsan_ignore_object(surface);
#endif
    return surface;
}

// The video subsystem shut and opened again, for a mode request after one
// that failed or must be thrown away.
void restartVideo() {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    SDL_InitSubSystem(SDL_INIT_VIDEO);
}

} // namespace

bool isSoftwareRenderer(const char* renderer) {
    if (!renderer) return false;
    for (const char* name : SOFTWARE_RENDERERS)
        if (std::strstr(renderer, name)) return true;
    return false;
}

void (*beforeVideoFailureExit)() = nullptr;

void fatalVideoError() {
    if (beforeVideoFailureExit) beforeVideoFailureExit();
    SDL_Quit();
    std::exit(1);
}

bool isWindowlessVideoDriver(const char* driver) {
    for (const char* name : WINDOWLESS_DRIVERS)
        if (driver && std::strcmp(driver, name) == 0) return true;
    return false;
}

void VideoContext::open(int w, int h, int depth) {
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        std::fprintf(stderr, "Video initialization failed: %s\n", SDL_GetError());
        fatalVideoError();
    }
    char driver[32] = "";
    SDL_VideoDriverName(driver, sizeof driver);
    if (isWindowlessVideoDriver(driver)) {
        std::fprintf(stderr, "Video initialization failed: no display to show a window on (%s)\n",
                     driver);
        fatalVideoError();
    }
    if (w == 0 && h == 0 && depth == 0) {
        const SDL_VideoInfo* info = SDL_GetVideoInfo();
        width = info->current_w;
        height = info->current_h;
    } else {
        width = w;
        height = h;
    }
    setMode();
}

void VideoContext::openNoCursor(int w, int h, int depth) {
    open(w, h, depth);
    // An invisible cursor rather than SDL_ShowCursor(SDL_DISABLE): hiding
    // the pointer in full screen switches the compatibility layer to
    // relative mouse mode, and touchscreens and tablets stop moving it.
    Uint8 bits[CURSOR_SIDE * CURSOR_SIDE / 8] = {};
    blankCursor = SDL_CreateCursor(bits, bits, CURSOR_SIDE, CURSOR_SIDE, 0, 0);
    if (blankCursor) SDL_SetCursor(blankCursor);
}

void VideoContext::setMode() {
    Uint32 flags = MODE_FLAGS;
    if (SDL_GetVideoInfo()->blit_hw) flags |= SDL_HWACCEL;
    // With no GPU device at all the visual is bound to be a CPU rasteriser:
    // the plain mode is asked for at once rather than after a multisampled
    // one that would only be thrown away (most of a second of start-up).
    bool retry = !videoKeepMultisampleOnSoftware && !hardwareGlPossible(videoDeviceRoot);
    if (!retry) {
        setGlAttributes(true);
        screenSurface = setVideoMode(width, height, 32, flags);
        // No multisampled visual (some X servers have none), or a software
        // rasteriser behind it: the next request needs a fresh video
        // subsystem, since after a failed mode set the compatibility layer
        // finds no visual at all, and an old multisampled context would
        // survive a second mode set.
        retry = screenSurface == nullptr || wantsPlainRetry();
        if (retry) restartVideo();
    }
    if (retry) {
        setGlAttributes(false);
        screenSurface = setVideoMode(width, height, 32, flags);
    }
    if (retry && !screenSurface) {
        // A display of another depth (16 bits: many VNC servers) has no
        // visual with 8 bits a colour: take what it offers, at its own depth.
        restartVideo();
        setGlAttributes(false, OFFERED_COLOUR_BITS, OFFERED_DEPTH_BITS);
        screenSurface = setVideoMode(width, height, 0, flags);
        if (!screenSurface) {
            std::fprintf(stderr, "Video mode set failed: %s\n", SDL_GetError());
            fatalVideoError();
        }
    }
    if (!retry) glEnable(GL_MULTISAMPLE);
    GLint sampleBuffers = 0;
    glGetIntegerv(GL_SAMPLE_BUFFERS, &sampleBuffers);
    multisampled = !retry && sampleBuffers > 0;
    glGetIntegerv(GL_RED_BITS, &redBits);
    setFixedGlState();
    setProjection(width, height);
}

void VideoContext::setProjection(int w, int h) {
    if (h == 0) h = 1;
    float aspect = (float)w / (float)h;
    glViewport(0, 0, w, h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // A widened camera sees `viewWidening` times as far up and across.
    double fovy =
        viewWidening == 1 ? 45.0 : 2 * std::atan(viewWidening * std::tan(M_PI / 8)) * 180 / M_PI;
    gluPerspective(fovy, aspect, (double)0.1f, 250.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    GLdouble modelview[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    gluUnProject(0, 0, -1, modelview, projection, viewport, &corner.x, &corner.y, &corner.z);
}

Vec3 VideoContext::pixelToPlane(double px, double py, double d) const {
    return {(2 * px / width - 1) * halfWidthAt(d), (1 - 2 * py / height) * halfHeightAt(d), -d};
}

bool VideoContext::pixelOf(const double modelview[16], const Vec3& point, double& px,
                           double& py) const {
    double e[3];
    for (int r = 0; r < 3; ++r)
        e[r] = modelview[r] * point.x + modelview[4 + r] * point.y + modelview[8 + r] * point.z +
               modelview[12 + r];
    double d = -e[2];
    if (d <= 0 || width <= 0 || height <= 0) return false;
    px = (e[0] / halfWidthAt(d) + 1) * width / 2;
    py = (1 - e[1] / halfHeightAt(d)) * height / 2;
    return true;
}

void VideoContext::widenView(double widening) {
    viewWidening = widening < 1 ? 1 : widening;
    setProjection(width, height);
}

VideoContext::~VideoContext() {
    if (blankCursor) {
        SDL_FreeCursor(blankCursor);
        blankCursor = nullptr;
    }
    SDL_Quit();
    screenSurface = nullptr;
}
