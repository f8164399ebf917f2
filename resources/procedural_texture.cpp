// Procedural textures: the Plasma and Fire generators and their library.
#include "resources/procedural_texture.h"

#include <GL/gl.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "base/frame_clock.h"

ProceduralTextureLibrary theProceduralTextures;

namespace {

constexpr int32_t MAX_SIDE = 2048;
constexpr int FIRE_HIDDEN_ROWS = 3;

// Plasma: one full wave across the texture, at three spatial frequencies,
// drifting at three speeds (per millisecond).
constexpr double PLASMA_TURN = 6.28;
constexpr double PLASMA_SPEED1 = -0.00012;
constexpr double PLASMA_SPEED2 = -0.00024;
constexpr double PLASMA_SPEED3 = -0.0048;
constexpr double PLASMA_AMPLITUDE = 21;
constexpr double PLASMA_MIDDLE = 128;
constexpr int PLASMA_SHADE_BASE = 120; // n - 120 lightens the base colour
constexpr int PLASMA_BAND_FIRST = 121; // n in 121..126 is a visible contour
constexpr int PLASMA_BAND_LAST = 126;
constexpr int PLASMA_GRID_STEP = 16;
constexpr uint8_t PLASMA_GRID_GREEN = 127;

// The Fire palette: five linear ramps, black through red, orange, yellow,
// a pale blue and back to yellow.
struct PaletteRampRow {
    int first, last;
    uint8_t from[4];
    uint8_t to[4];
};
constexpr PaletteRampRow FIRE_RAMPS[] = {
    {0, 64, {0, 0, 0, 100}, {255, 51, 36, 255}},
    {64, 96, {255, 51, 36, 255}, {255, 189, 51, 255}},
    {96, 128, {255, 189, 51, 255}, {255, 237, 51, 255}},
    {128, 196, {255, 237, 51, 255}, {100, 100, 189, 255}},
    {196, 255, {100, 100, 189, 255}, {255, 231, 51, 255}},
};

void deleteColour(void* state) {
    delete[] static_cast<uint8_t*>(state);
}

bool isPowerOfTwo(int32_t n) {
    return n > 0 && (n & (n - 1)) == 0;
}

// Make the texture a parsed recipe describes.
DynamicTexture* createTexture(const ProceduralSpec& spec) {
    if (spec.kind == "Plasma") {
        uint8_t* colour = new uint8_t[3]{spec.red, spec.green, spec.blue};
        return new DynamicTexture(plasmaGenerator, deleteColour, colour, spec.width, spec.height);
    }
    FireState* fire = createFireState(spec.width, spec.height);
    return new DynamicTexture(fireGenerator, destroyFireState, fire, spec.width, spec.height);
}

// Index of a recipe in the library, or -1.
int findSpec(const ProceduralTextureLibrary& library, const std::string& spec) {
    for (size_t i = 0; i < library.specs.size(); ++i)
        if (library.specs[i] == spec) return (int)i;
    return -1;
}

} // namespace

bool parseProceduralSpec(const std::string& spec, ProceduralSpec& out) {
    if (spec.size() < 3 || spec[1] != '#') return false;
    size_t digit = 2;
    while (digit < spec.size() && !std::isdigit((unsigned char)spec[digit]))
        ++digit;
    if (digit == spec.size()) return false;
    ProceduralSpec parsed;
    parsed.kind = spec.substr(2, digit - 2);
    bool plasma = parsed.kind == "Plasma";
    if (!plasma && parsed.kind != "Fire") return false;

    std::istringstream in(spec.substr(digit));
    in >> parsed.width;
    in.get();
    in >> parsed.height;
    if (plasma) {
        int channel[3] = {};
        for (int& c : channel) {
            in.get();
            in >> c;
        }
        parsed.red = (uint8_t)channel[0];
        parsed.green = (uint8_t)channel[1];
        parsed.blue = (uint8_t)channel[2];
    }
    if (in.fail()) return false;
    if (parsed.width < 1 || parsed.width > MAX_SIDE || parsed.height < 1 ||
        parsed.height > MAX_SIDE)
        return false;
    if (!plasma && (!isPowerOfTwo(parsed.width) || parsed.height < 2)) return false;
    out = parsed;
    return true;
}

void plasmaGenerator(int32_t ticks, int32_t w, int32_t h, uint8_t* pixels, void* state) {
    const uint8_t* colour = static_cast<const uint8_t*>(state);
    double cx = PLASMA_TURN / w, cy = PLASMA_TURN / h;
    double t = ticks;
    uint8_t* p = pixels;
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x, p += 4) {
            double s =
                std::sin(x * cx + t * PLASMA_SPEED1) + std::sin(x * 2 * cx + t * PLASMA_SPEED2) +
                std::sin(x * 4 * cx + t * PLASMA_SPEED3) + std::sin(y * cy + t * PLASMA_SPEED1) +
                std::sin(y * 2 * cy + t * PLASMA_SPEED2) + std::sin(y * 4 * cy + t * PLASMA_SPEED3);
            int16_t v = (int16_t)(s * PLASMA_AMPLITUDE + PLASMA_MIDDLE);
            uint8_t n = (uint8_t)v;
            uint8_t d = (uint8_t)(n - PLASMA_SHADE_BASE);
            p[0] = (uint8_t)(colour[0] + d);
            p[1] = (uint8_t)(colour[1] + d);
            p[2] = (uint8_t)(colour[2] + d);
            p[3] = (n >= PLASMA_BAND_FIRST && n <= PLASMA_BAND_LAST) ? 255 : 0;
            if (x % PLASMA_GRID_STEP == 0 || y % PLASMA_GRID_STEP == 0 || x == w - 1 ||
                y == h - 1) {
                p[1] = PLASMA_GRID_GREEN;
                p[3] = 255;
            }
        }
    }
}

void fireGenerator(int32_t, int32_t w, int32_t h, uint8_t* pixels, void* state) {
    FireState* fire = static_cast<FireState*>(state);
    uint8_t* cur = fire->current;
    uint8_t* next = fire->next;

    // Sparks in the three hidden rows below the picture.
    int sparks = std::rand() & (w - 1);
    for (int i = 0; i < sparks; ++i) {
        int x = std::rand() % w;
        int row = h + std::rand() % FIRE_HIDDEN_ROWS;
        cur[row * w + x] = (uint8_t)std::rand();
    }
    // One spark in the lower half of the picture.
    int x = std::rand() % w;
    int row = h / 2 + std::rand() % (h / 2);
    cur[row * w + x] = (uint8_t)std::rand();

    // Heat rises from the three rows below and cools by one.
    for (int r = 0; r < h; ++r) {
        uint8_t* out = next + r * w;
        const uint8_t* a = cur + r * w;
        const uint8_t* b = a + w;
        const uint8_t* c = b + w;
        out[0] = 0;
        out[w - 1] = 0;
        for (int col = 1; col < w - 1; ++col) {
            int sum = a[col - 1] + a[col + 1] + b[col - 1] + b[col] + b[col + 1] + c[col - 1] +
                      c[col] + c[col + 1];
            int heat = sum >> 3;
            if (heat != 0) --heat;
            out[col] = (uint8_t)heat;
        }
    }
    for (int i = 0; i < w * h; ++i)
        std::memcpy(pixels + i * 4, fire->palette[next[i]], 4);
    fire->current = next;
    fire->next = cur;
}

void paletteRamp(uint8_t palette[256][4], int first, int last, const uint8_t from[4],
                 const uint8_t to[4]) {
    for (int i = first; i < last; ++i) {
        double t = (double)(i - first) / (double)(last - first);
        for (int c = 0; c < 4; ++c)
            palette[i][c] = (uint8_t)(int)(from[c] + (to[c] - from[c]) * t);
    }
}

FireState* createFireState(int32_t width, int32_t height) {
    FireState* fire = new FireState;
    std::memset(fire->palette, 0, sizeof fire->palette);
    for (const PaletteRampRow& ramp : FIRE_RAMPS)
        paletteRamp(fire->palette, ramp.first, ramp.last, ramp.from, ramp.to);
    fire->width = width;
    fire->rows = height + FIRE_HIDDEN_ROWS;
    size_t cells = (size_t)width * (size_t)fire->rows;
    fire->current = new uint8_t[cells]();
    fire->next = new uint8_t[cells]();
    return fire;
}

void destroyFireState(void* state) {
    FireState* fire = static_cast<FireState*>(state);
    delete[] fire->current;
    delete[] fire->next;
    delete fire;
}

DynamicTexture::DynamicTexture(TextureGenerator generator, StateDeleter stateDeleter, void* state,
                               int32_t width, int32_t height)
    : generator(generator), state(state), stateDeleter(stateDeleter), width(width), height(height),
      glName(0), pixels(nullptr), pixelBytes((size_t)width * height * 4) {
    pixels = new uint8_t[pixelBytes]();
    GLuint name = 0;
    glGenTextures(1, &name);
    glName = name;
    glBindTexture(GL_TEXTURE_2D, name);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

DynamicTexture::~DynamicTexture() {
    delete[] pixels;
    stateDeleter(state);
}

void DynamicTexture::update(int32_t ticks) {
    generator(ticks, width, height, pixels, state);
    glBindTexture(GL_TEXTURE_2D, glName);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
}

uint32_t ProceduralTextureLibrary::acquire(const std::string& spec) {
    int found = findSpec(*this, spec);
    if (found >= 0) {
        ++counts[found];
        return textures[found]->glName;
    }
    ProceduralSpec parsed;
    if (!parseProceduralSpec(spec, parsed)) return 0;
    DynamicTexture* texture = createTexture(parsed);
    textures.push_back(texture);
    specs.push_back(spec);
    counts.push_back(1);
    return texture->glName;
}

void ProceduralTextureLibrary::release(const std::string& spec) {
    int found = findSpec(*this, spec);
    if (found < 0) return;
    if (--counts[found] > 0) return;
    GLuint name = textures[found]->glName;
    glDeleteTextures(1, &name);
    delete textures[found];
    textures.erase(textures.begin() + found);
    specs.erase(specs.begin() + found);
    counts.erase(counts.begin() + found);
}

void ProceduralTextureLibrary::updateAll() {
    for (DynamicTexture* texture : textures)
        texture->update((int32_t)frameTime);
}
