// The Linux layer: settings folder, where the archives are, SDL environment,
// end signals, a lost display and the web browser.
#include "base/platform.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <malloc.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr const char* GAME_FOLDER = "meadow_mosaics/";
constexpr const char* FALLBACK_DATA_FOLDER = "/.local/share/"; // under $HOME
constexpr mode_t PARENT_FOLDER_MODE = 0755;
constexpr mode_t GAME_FOLDER_MODE = 0700; // progress is the player's own

// The installed data folder, from the folder holding the program: the
// program is installed as PREFIX/games/meadow_mosaics and its archives in
// PREFIX/share/meadow_mosaics/ (packaging/CMakeLists.txt).
constexpr const char* DATA_FOLDER_FROM_PROGRAM = "../share/meadow_mosaics/";

// The signals that end the game in order: logout or shutdown, Ctrl+C, the
// terminal closed.
constexpr int END_SIGNALS[] = {SIGTERM, SIGINT, SIGHUP};
volatile sig_atomic_t endSignal = 0; // the last of them that arrived, 0 = none

// Runs before a lost display ends the process (watchDisplayConnection).
void (*displayLostHook)() = nullptr;

// Device nodes through which a hardware OpenGL driver reaches a GPU: DRM
// (Mesa's drivers), NVIDIA's own driver, and WSL's GPU bridge.
constexpr const char* GPU_DEVICE_NODES[] = {"dri", "nvidia0", "nvidiactl", "dxg"};

// Allocations from this size up that the heap's free top cannot hold are
// mapped apart from the heap, and go back to the system when freed.
// glibc's default raises the limit after each such free (up to 32 MB),
// after which long-lived buffers of every size land in the heap and leave
// holes it never returns; a fixed limit keeps the rule.  Archives do not come from malloc (resources/pak_archive.h) and big
// textures are reused (resources/texture.cpp), so what lies below the limit
// and is large is a texture's storage (8 MB for the biggest) or a decoded
// picture (6 MB at most), freed again soon: in the heap it reuses pages that
// are already there, where a fresh mapping would fault in every page anew at
// each picture switch (on a virtual machine that took longer than decoding
// the picture).  The heap's top is kept rather than trimmed: the rasteriser
// frees and takes large blocks there every frame.
constexpr int MMAP_THRESHOLD_BYTES = 32 << 20;
constexpr int TRIM_THRESHOLD_BYTES = 256 << 20;
// Start-up writes some 80 MB of fresh memory (the GL's compiled shaders,
// textures, decoded pictures).  With 4 KB pages each is a page fault, and
// those were a third of the start-up's time; the heap's first HEAP_RESERVE
// bytes are therefore asked to come in 2 MB pages (where the system gives
// them only on request).  It costs a few MB of resident memory.
constexpr int HEAP_RESERVE_BYTES = 96 << 20;
constexpr int HUGE_PAGE_BYTES = 2 << 20;
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

// The folder holding the running program, with a trailing '/'; "" when the
// kernel does not say.
std::string programFolder() {
    char path[PATH_MAX];
    ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return "";
    std::string program(path, (size_t)length);
    return program.substr(0, program.rfind('/') + 1);
}

bool isRegularFile(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

void noteEndSignal(int signal) {
    endSignal = signal;
}

// Xlib's I/O error handler type, without Xlib's headers (the game does not
// link Xlib; SDL has loaded it).
typedef int (*XIOErrorHandler)(void* display);
typedef XIOErrorHandler (*XSetIOErrorHandlerFn)(XIOErrorHandler handler);

int endOnLostDisplay(void*) {
    if (displayLostHook) displayLostHook();
    static const char message[] = "Meadow Mosaics: the connection to the display is lost.\n";
    ssize_t written = ::write(STDERR_FILENO, message, sizeof message - 1);
    (void)written;
    ::_exit(1);
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

std::string archivePath(const std::string& name) {
    if (name.empty()) return "";
    if (name[0] == '/') return isRegularFile(name) ? name : "";
    std::string program = programFolder();
    std::string candidates[] = {program.empty() ? "" : program + name, name,
                                program.empty() ? "" : program + DATA_FOLDER_FROM_PROGRAM + name};
    for (const std::string& path : candidates)
        if (!path.empty() && isRegularFile(path)) return path;
    return "";
}

std::string archiveSearchText() {
    std::string program = programFolder();
    char here[PATH_MAX];
    std::string current = ::getcwd(here, sizeof here) ? std::string(here) + "/" : ".";
    return "beside the program (" + program + "), in the current folder (" + current +
           ") or in " + program + DATA_FOLDER_FROM_PROGRAM;
}

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

bool writeFileAtomically(const std::string& path, const uint8_t* bytes, size_t size,
                         int* error) {
    int failure = ENOENT;
    if (!path.empty()) {
        std::string temp = path + ".tmp";
        int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd < 0) {
            failure = errno;
        } else {
            errno = EIO; // a short write with no error of its own
            bool ok = writeAll(fd, bytes, size) && ::fsync(fd) == 0;
            ok = ::close(fd) == 0 && ok;
            ok = ok && std::rename(temp.c_str(), path.c_str()) == 0;
            failure = ok ? 0 : errno;
            if (!ok) ::unlink(temp.c_str());
        }
        if (failure == 0) syncFolderOf(path);
    }
    if (error) *error = failure;
    return failure == 0;
}

void preparePlatformEnvironment() {
    // sdl12-compat normally draws into its own framebuffer and scales that to
    // the window.  Picking reads pixels back with glReadPixels, which through
    // that framebuffer (with multisampling) returns nothing useful, so the
    // game renders straight to the window instead.
    ::setenv("SDL12COMPAT_OPENGL_SCALING", "0", 1);
    // SDL would turn SIGINT and SIGTERM into quit events, which the game
    // ignores like every quit request; catchEndSignals handles them instead.
    ::setenv("SDL_NO_SIGNAL_HANDLERS", "1", 1);
}

void catchEndSignals() {
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = noteEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : END_SIGNALS)
        ::sigaction(signal, &action, nullptr);
    ::signal(SIGPIPE, SIG_IGN);
}

bool endRequested() {
    return endSignal != 0;
}

void clearEndRequest() {
    endSignal = 0;
}

bool watchDisplayConnection(void (*beforeExit)()) {
    // The Xlib SDL already loaded, if any: never a second copy.
    void* xlib = ::dlopen("libX11.so.6", RTLD_NOW | RTLD_NOLOAD);
    if (!xlib) return false;
    auto setHandler = (XSetIOErrorHandlerFn)::dlsym(xlib, "XSetIOErrorHandler");
    if (setHandler) {
        displayLostHook = beforeExit;
        setHandler(endOnLostDisplay);
    }
    ::dlclose(xlib); // SDL keeps it loaded
    return setHandler != nullptr;
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
    // The heap is grown once to its working size and marked for huge pages
    // before anything is written there; freed at once, the block stays the
    // heap's top (it is below the trim threshold) for what comes next.
    ::mallopt(M_MMAP_THRESHOLD, HEAP_RESERVE_BYTES + HUGE_PAGE_BYTES);
    void* block = std::malloc(HEAP_RESERVE_BYTES);
    ::mallopt(M_MMAP_THRESHOLD, MMAP_THRESHOLD_BYTES);
    if (!block) return;
    uintptr_t first = ((uintptr_t)block + HUGE_PAGE_BYTES - 1) & ~(uintptr_t)(HUGE_PAGE_BYTES - 1);
    uintptr_t last = ((uintptr_t)block + HEAP_RESERVE_BYTES) & ~(uintptr_t)(HUGE_PAGE_BYTES - 1);
    if (last > first) ::madvise((void*)first, last - first, MADV_HUGEPAGE);
    std::free(block);
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
            ::signal(SIGPIPE, SIG_DFL); // ignored by the game, not by the browser
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
