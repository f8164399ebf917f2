// Archive textures: image entries decoded with SDL_image and uploaded to GL
// on first use, shared per entry by a user count.
#include <GL/gl.h>
#include <SDL/SDL.h>
#include <SDL/SDL_image.h>

#include "resources/pak_archive.h"

namespace {

// The two pixel layouts handed to GL unchanged: R, G, B(, A) bytes in that
// order.  Masks as SDL describes them on this machine.
#if SDL_BYTEORDER == SDL_BIG_ENDIAN
constexpr Uint32 RED_MASK_RGB = 0xFF0000, GREEN_MASK_RGB = 0x00FF00, BLUE_MASK_RGB = 0x0000FF;
constexpr Uint32 RED_MASK_RGBA = 0xFF000000, GREEN_MASK_RGBA = 0x00FF0000;
constexpr Uint32 BLUE_MASK_RGBA = 0x0000FF00, ALPHA_MASK_RGBA = 0x000000FF;
#else
constexpr Uint32 RED_MASK_RGB = 0x0000FF, GREEN_MASK_RGB = 0x00FF00, BLUE_MASK_RGB = 0xFF0000;
constexpr Uint32 RED_MASK_RGBA = 0x000000FF, GREEN_MASK_RGBA = 0x0000FF00;
constexpr Uint32 BLUE_MASK_RGBA = 0x00FF0000, ALPHA_MASK_RGBA = 0xFF000000;
#endif

// Position of a mask's lowest set bit.
Uint8 maskShift(Uint32 mask) {
    Uint8 shift = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

// The layout GL is told the pixels have, filled in as an SDL format.
SDL_PixelFormat uploadFormat(bool alpha) {
    SDL_PixelFormat format = {};
    format.BitsPerPixel = alpha ? 32 : 24;
    format.BytesPerPixel = alpha ? 4 : 3;
    format.Rmask = alpha ? RED_MASK_RGBA : RED_MASK_RGB;
    format.Gmask = alpha ? GREEN_MASK_RGBA : GREEN_MASK_RGB;
    format.Bmask = alpha ? BLUE_MASK_RGBA : BLUE_MASK_RGB;
    format.Amask = alpha ? ALPHA_MASK_RGBA : 0;
    format.Rshift = maskShift(format.Rmask);
    format.Gshift = maskShift(format.Gmask);
    format.Bshift = maskShift(format.Bmask);
    format.Ashift = maskShift(format.Amask);
    format.Aloss = alpha ? 0 : 8;
    format.alpha = 255;
    return format;
}

// Whether a decoded surface already has the layout GL will be told.
bool hasUploadLayout(const SDL_Surface* surface, const SDL_PixelFormat& want) {
    const SDL_PixelFormat* f = surface->format;
    return f->BitsPerPixel == want.BitsPerPixel && f->BytesPerPixel == want.BytesPerPixel &&
           f->Rmask == want.Rmask && f->Gmask == want.Gmask && f->Bmask == want.Bmask &&
           (want.Amask == 0 || f->Amask == want.Amask);
}

// Decode an entry's bytes and upload them; 0 when they are not an image.
GLuint uploadImage(const EntryBytes& entry) {
    if (!entry.bytes || entry.size == 0) return 0;
    SDL_RWops* stream = SDL_RWFromMem(const_cast<uint8_t*>(entry.bytes), (int)entry.size);
    if (!stream) return 0;
    SDL_Surface* surface = IMG_Load_RW(stream, 1);
    if (!surface) return 0;

    bool alpha = (surface->flags & SDL_SRCALPHA) != 0;
    SDL_PixelFormat want = uploadFormat(alpha);
    if (!hasUploadLayout(surface, want)) {
        // Palette images, BGR orders and the like: GL reads R, G, B(, A).
        SDL_Surface* converted = SDL_ConvertSurface(surface, &want, SDL_SWSURFACE);
        SDL_FreeSurface(surface);
        if (!converted) return 0;
        surface = converted;
    }
    GLenum format = alpha ? GL_RGBA : GL_RGB;
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    if (SDL_MUSTLOCK(surface)) SDL_LockSurface(surface);
    glTexImage2D(GL_TEXTURE_2D, 0, format, surface->w, surface->h, 0, format, GL_UNSIGNED_BYTE,
                 surface->pixels);
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    SDL_FreeSurface(surface);
    return name;
}

} // namespace

uint32_t PakArchive::texture(const std::string& name) {
    int index = findEntry(name);
    if (index < 0) return 0;
    if (textureNames[index] == 0) {
        GLuint uploaded = uploadImage(blobs[index]);
        if (uploaded == 0) return 0; // not an image: nothing recorded
        textureNames[index] = uploaded;
    }
    ++textureCounts[index];
    return textureNames[index];
}

void PakArchive::releaseTexture(uint32_t glName) {
    if (glName == 0) return;
    for (size_t i = 0; i < textureNames.size(); ++i) {
        if (textureNames[i] != glName) continue;
        if (--textureCounts[i] == 0) {
            GLuint name = glName;
            glDeleteTextures(1, &name);
            textureNames[i] = 0;
        }
    }
}
