// The Linux layer: settings folder, SDL environment and the web browser.
#include "base/platform.h"

#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr const char* GAME_FOLDER = "meadow_mosaics/";
constexpr const char* FALLBACK_DATA_FOLDER = "/.local/share/"; // under $HOME
constexpr mode_t PARENT_FOLDER_MODE = 0755;
constexpr mode_t GAME_FOLDER_MODE = 0700; // progress is the player's own

// Device nodes through which a hardware OpenGL driver reaches a GPU: DRM
// (Mesa's drivers), NVIDIA's own driver, and WSL's GPU bridge.
constexpr const char* GPU_DEVICE_NODES[] = {"dri", "nvidia0", "nvidiactl", "dxg"};

// Allocations from this size up are mapped apart from the heap, and go back
// to the system when freed.  glibc's default raises the limit after each
// such free (up to 32 MB), after which long-lived buffers of every size land
// in the heap and leave holes it never returns; a fixed limit keeps the
// rule.  Archives do not come from malloc (resources/pak_archive.h) and big
// textures are reused (resources/texture.cpp), so what lies below the limit
// and is large is mostly a decoded picture (6 MB at most), freed again at
// once: in the heap it reuses pages that are already there, where a fresh
// mapping would fault in every page anew at each picture switch (on a
// virtual machine that took longer than decoding the picture).  The heap's
// top is kept rather than trimmed: the rasteriser frees and takes large
// blocks there every frame.
constexpr int MMAP_THRESHOLD_BYTES = 8 << 20;
constexpr int TRIM_THRESHOLD_BYTES = 256 << 20;
// One heap for every thread: the picture decoded ahead on a worker thread
// (resources/image_prefetch.h) then reuses the pages the main thread freed,
// where an arena of its own would keep a second picture's worth resident.
// The rasteriser's and the mixer's threads allocate next to nothing.
constexpr int MALLOC_ARENAS = 1;

// An environment variable, or "" when it is unset.
std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// mkdir with its parents (like mkdir -p); the last folder gets lastMode.
bool makeFolders(const std::string& path, mode_t lastMode) {
    for (size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        bool last = path.find_first_not_of('/', slash) == std::string::npos;
        std::string prefix = path.substr(0, slash);
        if (::mkdir(prefix.c_str(), last ? lastMode : PARENT_FOLDER_MODE) != 0 && errno != EEXIST)
            return false;
    }
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Point stdin, stdout and stderr at /dev/null so the browser never writes
// into the game's terminal or reads from it.
void detachStandardStreams() {
    int null = ::open("/dev/null", O_RDWR);
    if (null < 0) return;
    for (int fd = 0; fd <= 2; fd++)
        ::dup2(null, fd);
    if (null > 2) ::close(null);
}

// write() until everything is out or an error occurs.
bool writeAll(int fd, const uint8_t* bytes, size_t size) {
    while (size > 0) {
        ssize_t n = ::write(fd, bytes, size);
        if (n <= 0) return false;
        bytes += n;
        size -= (size_t)n;
    }
    return true;
}

// Make the rename itself durable; failure here loses nothing already written.
void syncFolderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

std::string settingsFolder() {
    std::string base = environment("XDG_DATA_HOME");
    if (base.empty() || base[0] != '/') {
        std::string home = environment("HOME");
        if (home.empty()) return "";
        base = home + FALLBACK_DATA_FOLDER;
    }
    if (base.back() != '/') base += '/';
    std::string folder = base + GAME_FOLDER;
    return makeFolders(folder, GAME_FOLDER_MODE) ? folder : "";
}

bool writeFileAtomically(const std::string& path, const uint8_t* bytes, size_t size) {
    if (path.empty()) return false;
    std::string temp = path + ".tmp";
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    bool ok = writeAll(fd, bytes, size) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && std::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    syncFolderOf(path);
    return true;
}

void preparePlatformEnvironment() {
    // sdl12-compat normally draws into its own framebuffer and scales that to
    // the window.  Picking reads pixels back with glReadPixels, which through
    // that framebuffer (with multisampling) returns nothing useful, so the
    // game renders straight to the window instead.
    ::setenv("SDL12COMPAT_OPENGL_SCALING", "0", 1);
    // SDL would turn SIGINT and SIGTERM into quit events, which the game
    // ignores like every quit request; the signals must still end it.
    ::setenv("SDL_NO_SIGNAL_HANDLERS", "1", 1);
}

bool hardwareGlPossible(const std::string& deviceRoot) {
    std::string forced = environment("LIBGL_ALWAYS_SOFTWARE");
    if (!forced.empty() && forced != "0" && forced != "false") return false;
    for (const char* node : GPU_DEVICE_NODES)
        if (::access((deviceRoot + node).c_str(), F_OK) == 0) return true;
    return false;
}

void tuneMemoryAllocator() {
    ::mallopt(M_MMAP_THRESHOLD, MMAP_THRESHOLD_BYTES);
    ::mallopt(M_TRIM_THRESHOLD, TRIM_THRESHOLD_BYTES);
    ::mallopt(M_ARENA_MAX, MALLOC_ARENAS);
}

void openWebPage(const std::string& url) {
    // Fork twice: the middle child exits at once and is reaped here, so the
    // game never waits for the browser and no zombie is left behind; the
    // grandchild is adopted by init.
    pid_t child = ::fork();
    if (child < 0) return;
    if (child == 0) {
        pid_t grandchild = ::fork();
        if (grandchild == 0) {
            detachStandardStreams();
            char* const argv[] = {(char*)"xdg-open", (char*)url.c_str(), nullptr};
            ::execvp("xdg-open", argv);
            ::_exit(127);
        }
        ::_exit(0);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
}
