// PakArchive: one .pak resource archive held whole in memory.
//
// File format (little-endian, no magic, no directory; read from the front):
//   int32 N (0 or less = no entries), then N records back to back:
//   int8 name length L (0..127), L name bytes (no terminator),
//   uint32 size S, S data bytes.
// Names are compared byte for byte; with duplicate names the first wins.
//
// The archive owns every entry's bytes for its whole life: an archive read
// from disk keeps the file in one buffer and its entries point into it (no
// copies); entries added by the builder are copied one by one.  The file's
// buffer is a private mapping with every page present from the start (not
// one fault at a time as the reader first touches them: on a virtual
// machine each such fault is dear); when the archive closes the mapping is
// kept as a spare, a few at most, for the next archive it fits.  The game
// opens the next picture's archives and closes the last one's at every
// switch, so it reads into memory it already has, and the memory it holds
// stays the same however often it switches.  entryData
// hands out borrowed pointers that stay valid while the caller holds its reference
// through thePakLibrary (meshes draw straight from them).
//
// Per entry it also keeps the GL texture made from it and that texture's
// user count (texture/releaseTexture live in resources/texture.cpp, the only
// part of this module that touches GL; see the spare textures below).
//
// NOTE: every size read from a file is checked against the bytes that are
// really there before anything is allocated or copied; a truncated or
// malformed archive is rejected whole (`valid` false).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct EntryBytes {
    const uint8_t* bytes; // borrowed; null when the entry does not exist
    uint32_t size;
};

// Which columns of an image its texture holds: `kept` columns from `first`
// of the image's `width` (kept 0: no texture; kept == width: all of them).
struct TextureColumns {
    int first = 0, kept = 0, width = 0;
};

struct PakArchive {
    std::vector<uint32_t> textureNames;             // GL name per entry, 0 = none yet
    std::vector<TextureColumns> textureColumns;     // the columns each texture holds
    std::vector<int32_t> textureCounts;             // users of that texture
    std::vector<EntryBytes> blobs;                  // entry bytes, in fileBytes or in copies
    std::vector<std::string> names;                 // entry names, file order
    bool valid = true;                              // false when the file was missing or malformed
    uint8_t* fileBytes = nullptr;                   // the file as read (a mapping), when read from disk
    size_t fileSize = 0;                            // the file's length
    std::vector<std::unique_ptr<uint8_t[]>> copies; // bytes given to addEntry

    PakArchive() = default;                       // empty, for building archives
    explicit PakArchive(const std::string& path); // reads the whole file; sets valid
    ~PakArchive();                                // unmaps the file
    PakArchive(const PakArchive&) = delete;
    PakArchive& operator=(const PakArchive&) = delete;

    int entryCount() const { return (int)names.size(); }
    EntryBytes entryData(const std::string& name) const; // {null, 0} when absent
    int findEntry(const std::string& name) const;        // index, or -1

    uint32_t texture(const std::string& name); // decode + upload on first use; 0 if absent
    void releaseTexture(uint32_t glName);      // last user deletes the GL texture

    // Builder operations (the tools and tests use them; the game never does).
    bool addEntry(const std::string& name, const void* bytes, uint32_t size);
    bool addFile(const std::string& path); // entry named by the path itself
    bool save(const std::string& path) const;
    bool extractAll(const std::string& prefix) const; // prefix + name, no separator
};

// Spare textures (resources/texture.cpp): a big texture (512 x 512 pixels
// or more) whose last user lets go is not deleted but kept, at most two of
// each size and kind, and the next image of that size and kind is copied
// into it instead of into a new texture: the pictures of successive boards
// then take no fresh memory.  thePakLibrary drops them when it closes its
// last archive (the GL context is still there then; a spare the context no
// longer knows at that size is forgotten, never written into).
// While above 0, archive images uploaded now are never shown wider than
// this many pixels: each is narrowed to about that width (image_scale.h)
// before it becomes a texture.  Set around a loadModel whose textures fill
// a known part of the screen, and put back to 0.
//
// While textureSeenPart is narrower than 0..1, an image uploaded now keeps
// only the columns that hold that part of its width (keptColumns), and
// textureSeenPart's answer says which it kept, for the mesh to draw its
// texture coordinates onto them.  The answer of an image uploaded before
// is the one it got then.  Mesh::parse sets it around its own image.
struct SeenPart {
    double first = 0, last = 1; // fractions of the image's width
    TextureColumns answer;      // what the texture holds
};
extern SeenPart textureSeenPart;
extern int textureShownWidth;

int spareTextureCount();  // big textures kept for reuse
void dropSpareTextures(); // delete them

// Textures made in memory (a family photo's pictures): RGBA bytes, rows top
// first, uploaded without alpha, through the same spares; retired the same way.
uint32_t uploadMadeTexture(const uint8_t* rgba, int width, int height);
void retireMadeTexture(uint32_t glName);

// File buffers of closed archives kept for reuse (see above); always 0 in a
// sanitizer build, whose archives are read into the heap.
int spareArchiveBuffers();

// Parse archive bytes already in memory into an empty archive.  Returns
// false (and leaves the archive empty) when the bytes are not a whole,
// well-formed archive.
bool parsePakBytes(const uint8_t* data, size_t size, PakArchive& out);

// Read a whole file; false when it cannot be opened or read.
bool readWholeFile(const std::string& path, std::vector<uint8_t>& out);
