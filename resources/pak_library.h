// PakLibrary: the one place every other module reaches archives through,
// by file name.  thePakLibrary opens an archive on its first request, shares
// it by reference count, and deletes it when the last user lets go.
//
// Every open, entryData and texture call counts one reference on the
// archive, whether or not the entry exists; every release and releaseTexture
// gives one back.  Callers pair them: a scene object holds one per
// loadModel, a mesh one for its texture, the sound cache one per sound
// (never given back).
//
// Where a file name is opened: with a base directory set, there; otherwise
// wherever `pakLocate` finds it (the game looks beside the program, in the
// current folder and in its installed data folder; by default the name is
// opened as it stands).
//
// An archive that cannot be read ends the game at once (exit status 1, one
// line on stderr naming the file and what is wrong, no clean-up that could
// race the audio and rasteriser threads): the game cannot go on without its
// art.  A truncated or malformed archive counts as unreadable, and so does a
// model entry whose counts run past its end (SceneObject::loadModel).  Tests
// replace `pakOpenFailure` to observe it.
//
// Archives with words come in one copy per language: the library reads
// locale/<language>/<file> beside the default file when the start-up chose
// a language (app/language.h) and that copy exists, else the default file.
// Keys stay the file names callers pass, whichever copy was read.
//
// Stand-ins: a texture made in memory (a family photo turned into the
// board's pictures) can be offered in place of one archive entry's image.
// While offered, every texture request for that archive and entry gets the
// stand-in instead (the archive is still opened and counted as usual); the
// release of a stand-in's GL name counts its users down.  The library owns
// an offered texture: once it is withdrawn and its last user lets go, it is
// retired like an archive texture (kept as a spare when big).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "resources/pak_archive.h"

struct TextureStandIn {
    std::string fileName;  // the archive it stands in for
    std::string entryName; // the image entry it replaces
    uint32_t glName;       // the texture, owned by the library
    int32_t users;         // meshes holding it
    bool offered;          // new requests still get it
};

struct PakLibrary {
    std::string baseDirectory = "0";      // '0' first = none; else prefixed to file names
    std::vector<PakArchive*> archives;    // owned, open archives
    std::vector<std::string> keys;        // file names as callers passed them
    std::vector<int32_t> counts;          // references per archive
    std::string language;                 // "" = the default archives; else "de", "pt_BR", ...
    std::vector<TextureStandIn> standIns; // offered, or withdrawn and still in use

    ~PakLibrary(); // deletes every archive still open

    PakArchive* open(const std::string& fileName); // +1 reference
    // As open, for work that may be left undone (decoding ahead): a missing
    // or damaged archive is not kept and nothing is said; null, no reference.
    PakArchive* openIfUsable(const std::string& fileName);
    EntryBytes entryData(const std::string& fileName, const std::string& entryName);
    uint32_t texture(const std::string& fileName, const std::string& entryName);
    void releaseTexture(const std::string& fileName, uint32_t glName);
    void release(const std::string& fileName); // -1; at 0 the archive goes
    void setBaseDirectory(const std::string& dir) { baseDirectory = dir; }
    // From now on, requests for fileName's entryName get glName (owned from now).
    void offerStandIn(const std::string& fileName, const std::string& entryName, uint32_t glName);
    void withdrawStandIns(); // requests get the archives' own images again
    void setLanguage(const std::string& code) { language = code; }

    // For tests and debugging: what is open and with what count.
    int openCount() const { return (int)archives.size(); }
    int standInCount() const { return (int)standIns.size(); }
    int32_t referenceCount(const std::string& fileName) const; // 0 when not open
    std::string describe() const;                              // "name=count" lines
};

extern PakLibrary thePakLibrary;

// The language's copy of the archive at path (its folder's locale/<language>/
// holds one of the same name), or path itself when there is none.
std::string languageArchivePath(const std::string& path, const std::string& language);

// Called when an archive cannot be read; the default prints one line
// (reportPakFailure) and ends the process with status 1.  If it returns, the
// library keeps an empty archive in its place.
extern void (*pakOpenFailure)(const std::string& path);
// Maps a file name to the path to open; "" when it is nowhere.
extern std::string (*pakLocate)(const std::string& fileName);

// What is wrong with the archive at path, in a few words.
std::string pakProblem(const std::string& path);
// "Meadow Mosaics: cannot use the archive PATH: PROBLEM" on stderr.
void reportPakFailure(const std::string& path);
// pakOpenFailure's default: reportPakFailure, then _Exit(1).
void exitOnPakFailure(const std::string& path);
