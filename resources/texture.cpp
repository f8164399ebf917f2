// Archive textures: image entries decoded with SDL_image and uploaded to GL
// on first use, shared per entry by a user count; big ones are kept as
// spares when their last user goes and filled again by the next image of
// their size.
#include <GL/gl.h>
#include <SDL/SDL.h>

#include <cmath>
#include <vector>

#include "resources/image_prefetch.h"
#include "resources/image_scale.h"
#include "resources/pak_archive.h"

namespace {

// A big texture that is (or was) an archive entry's: its size and kind.
struct BigTexture {
    GLuint name;
    int width, height;
    bool alpha;
};

// Textures of at least this many pixels are kept for reuse when their last
// user lets go: making one afresh takes new memory from the system, page by
// page, which costs far more than the copy of the pixels (the pictures and
// pale pictures of the boards, one of each per picture switch).
constexpr long BIG_TEXTURE_PIXELS = 512L * 512;
// At most this many spares of one size and kind.
constexpr int SPARES_PER_SIZE = 2;

std::vector<BigTexture> bigTextures;   // live big textures made here
std::vector<BigTexture> spareTextures; // big textures no entry holds any more

// Index of a texture in a list by GL name, or -1.
int findTexture(const std::vector<BigTexture>& list, GLuint name) {
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].name == name) return (int)i;
    return -1;
}

// Whether the GL still knows `spare` as a texture of its recorded size and
// kind (a spare left from a closed GL context is not trusted).
bool spareStillFits(const BigTexture& spare) {
    if (!glIsTexture(spare.name)) return false;
    glBindTexture(GL_TEXTURE_2D, spare.name);
    GLint width = 0, height = 0, format = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &format);
    bool alphaFormat = format == GL_RGBA || format == GL_RGBA8;
    bool plainFormat = format == GL_RGB || format == GL_RGB8;
    return width == spare.width && height == spare.height &&
           (spare.alpha ? alphaFormat : plainFormat);
}

// A spare of this size and kind, bound, or 0 when there is none.
GLuint takeSpare(int width, int height, bool alpha) {
    for (size_t i = 0; i < spareTextures.size(); ++i) {
        BigTexture spare = spareTextures[i];
        if (spare.width != width || spare.height != height || spare.alpha != alpha) continue;
        spareTextures.erase(spareTextures.begin() + (long)i);
        if (!spareStillFits(spare)) return 0; // forgotten, not deleted: not ours now
        bigTextures.push_back(spare);
        return spare.name;
    }
    return 0;
}

// Upload pixels in `pixelFormat` (R, G, B(, A) bytes) into a texture that
// keeps alpha or not; a spare of that size and kind is reused when there is one.
GLuint uploadPixels(const void* pixels, int width, int height, bool alpha, GLenum pixelFormat) {
    GLenum format = alpha ? GL_RGBA : GL_RGB;
    bool big = (long)width * height >= BIG_TEXTURE_PIXELS;
    GLuint name = big ? takeSpare(width, height, alpha) : 0;
    bool reused = name != 0;
    if (!reused) {
        glGenTextures(1, &name);
        glBindTexture(GL_TEXTURE_2D, name);
        if (big) bigTextures.push_back({name, width, height, alpha});
    }
    // The filters come first: with no mipmap filter the GL makes room for
    // the one level only.
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    if (reused) {
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, height, pixelFormat, GL_UNSIGNED_BYTE,
                        pixels);
    } else {
        glTexImage2D(GL_TEXTURE_2D, 0, format, width, height, 0, pixelFormat, GL_UNSIGNED_BYTE,
                     pixels);
    }
    return name;
}

// Decode an entry's bytes and upload the columns textureSeenPart asks for,
// narrowed to their shown width; 0 when they are not an image.  `columns`
// says which columns the texture holds.
GLuint uploadImage(const EntryBytes& entry, TextureColumns& columns) {
    // Decoded ahead while the last board left, or now.
    SDL_Surface* surface = takePrefetchedImage(entry.bytes);
    if (!surface) surface = decodeImage(entry);
    if (!surface) return 0;
    bool alpha = surface->format->BytesPerPixel == 4;
    GLenum pixelFormat = alpha ? GL_RGBA : GL_RGB;
    if (SDL_MUSTLOCK(surface)) SDL_LockSurface(surface);
    int first = 0, kept = surface->w;
    keptColumns(surface->w, textureSeenPart.first, textureSeenPart.last, first, kept);
    // The kept columns are shown over their share of the whole width.
    int shown = textureShownWidth <= 0 ? 0
                                       : (int)std::ceil((double)textureShownWidth * kept / surface->w);
    GLuint name = 0;
    if (kept < surface->w || narrowedWidth(kept, shown) < kept) {
        std::vector<uint8_t> narrow;
        int bytesPerPixel = surface->format->BytesPerPixel;
        const uint8_t* pixels = static_cast<const uint8_t*>(surface->pixels);
        int width = narrowImage(pixels + (size_t)first * bytesPerPixel, kept, surface->h,
                                surface->pitch, bytesPerPixel, shown, narrow);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1); // packed rows
        name = uploadPixels(narrow.data(), width, surface->h, alpha, pixelFormat);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    } else {
        name = uploadPixels(surface->pixels, surface->w, surface->h, alpha, pixelFormat);
    }
    columns = {first, kept, surface->w};
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    SDL_FreeSurface(surface);
    return name;
}

// The last user of a texture let go: keep it as a spare when it is big and
// there is room, else delete it.
void retireTexture(GLuint name) {
    int index = findTexture(bigTextures, name);
    if (index >= 0) {
        BigTexture texture = bigTextures[(size_t)index];
        bigTextures.erase(bigTextures.begin() + index);
        int sameSize = 0;
        for (const BigTexture& spare : spareTextures)
            if (spare.width == texture.width && spare.height == texture.height &&
                spare.alpha == texture.alpha)
                ++sameSize;
        if (sameSize < SPARES_PER_SIZE) {
            spareTextures.push_back(texture);
            return;
        }
    }
    glDeleteTextures(1, &name);
}

} // namespace

int textureShownWidth = 0;
SeenPart textureSeenPart;

uint32_t PakArchive::texture(const std::string& name) {
    int index = findEntry(name);
    if (index < 0) return 0;
    if (textureNames[index] == 0) {
        TextureColumns columns;
        GLuint uploaded = uploadImage(blobs[index], columns);
        if (uploaded == 0) return 0; // not an image: nothing recorded
        textureNames[index] = uploaded;
        textureColumns[index] = columns;
    }
    textureSeenPart.answer = textureColumns[index];
    ++textureCounts[index];
    return textureNames[index];
}

void PakArchive::releaseTexture(uint32_t glName) {
    if (glName == 0) return;
    for (size_t i = 0; i < textureNames.size(); ++i) {
        if (textureNames[i] != glName) continue;
        if (--textureCounts[i] == 0) {
            retireTexture(glName);
            textureNames[i] = 0;
            textureColumns[i] = TextureColumns();
        }
    }
}

uint32_t uploadMadeTexture(const uint8_t* rgba, int width, int height) {
    if (!rgba || width < 1 || height < 1) return 0;
    return uploadPixels(rgba, width, height, false, GL_RGBA);
}

void retireMadeTexture(uint32_t glName) {
    if (glName != 0) retireTexture(glName);
}

int spareTextureCount() {
    return (int)spareTextures.size();
}

void dropSpareTextures() {
    for (const BigTexture& spare : spareTextures) {
        GLuint name = spare.name;
        glDeleteTextures(1, &name);
    }
    spareTextures.clear();
}
