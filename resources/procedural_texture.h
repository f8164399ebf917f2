// Procedural textures: pictures the game computes instead of loading.
//
// A mesh whose texture name has '#' as its second character names one by a
// recipe: any first character, '#', the kind ("Plasma" or "Fire"),
// width, one separator, height, and for Plasma three more (separator,
// number) for the base colour's red, green, blue.  Example: "x#Plasma64x64,10,200,30".
//
// theProceduralTextures shares one DynamicTexture per recipe string
// by reference count (acquire / release).  updateAll regenerates every
// texture for frameTime; the main loop calls it once per frame so the
// patterns move.
//
// NOTE: an unknown kind, a missing number, or a size the generators cannot
// handle (not 1..2048; Fire also needs a power-of-two width and height >= 2)
// gives no texture (0) and records nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using TextureGenerator = void (*)(int32_t ticks, int32_t width, int32_t height, uint8_t* pixels,
                                  void* state);
using StateDeleter = void (*)(void* state);

struct DynamicTexture {
    TextureGenerator generator;
    void* state;               // owned; freed by stateDeleter
    StateDeleter stateDeleter;
    int32_t width, height;     // pixels
    uint32_t glName;           // GL texture
    uint8_t* pixels;           // owned RGBA, row 0 = texture row t = 0
    size_t pixelBytes;         // width * height * 4

    DynamicTexture(TextureGenerator generator, StateDeleter stateDeleter, void* state,
                   int32_t width, int32_t height); // allocates, uploads zeroed pixels
    ~DynamicTexture(); // frees pixels and state; the library deletes the GL texture
    DynamicTexture(const DynamicTexture&) = delete;
    DynamicTexture& operator=(const DynamicTexture&) = delete;
    void update(int32_t ticks); // generate, then glTexSubImage2D
};

struct FireState {
    uint8_t palette[256][4]; // R, G, B, A
    uint8_t* current;        // width * rows heat cells
    uint8_t* next;
    int32_t width;           // row length
    int32_t rows;            // height + 3 (three hidden rows below)
};

struct ProceduralSpec {
    std::string kind;  // "Plasma" or "Fire"
    int32_t width = 0, height = 0;
    uint8_t red = 0, green = 0, blue = 0; // Plasma base colour
};

// Parse a recipe; false when it is not one we can make.
bool parseProceduralSpec(const std::string& spec, ProceduralSpec& out);

void plasmaGenerator(int32_t ticks, int32_t width, int32_t height, uint8_t* pixels, void* state);
void fireGenerator(int32_t ticks, int32_t width, int32_t height, uint8_t* pixels, void* state);
void paletteRamp(uint8_t palette[256][4], int first, int last, const uint8_t from[4],
                 const uint8_t to[4]);
FireState* createFireState(int32_t width, int32_t height); // grids zeroed, palette built
void destroyFireState(void* state);

struct ProceduralTextureLibrary {
    std::vector<DynamicTexture*> textures; // owned
    std::vector<std::string> specs;        // their recipe strings
    std::vector<int32_t> counts;           // references

    uint32_t acquire(const std::string& spec); // GL name, 0 if it cannot be made
    void release(const std::string& spec);
    void updateAll(); // every texture, for frameTime

    int openCount() const { return (int)textures.size(); } // for tests
};

extern ProceduralTextureLibrary theProceduralTextures;
