// What the Linux layer finds out about the machine before the window opens
// (could a hardware OpenGL driver run?) and how it sets the allocator up so
// large buffers go back to the system when freed.
#include <gtest/gtest.h>

#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/platform.h"
#include "tests/support/test_files.h"

namespace {

// A fresh folder under /tmp standing in for /dev (path ends in '/').
struct DeviceFolder : TempFolder {
    void add(const std::string& name) { std::ofstream(path + name).put('\0'); }
};

// Sets or clears one environment variable for a test, then puts it back.
struct EnvironmentValue {
    std::string name, old;
    bool wasSet;
    EnvironmentValue(const char* n, const char* value) : name(n) {
        const char* current = std::getenv(n);
        wasSet = current != nullptr;
        if (current) old = current;
        if (value)
            setenv(n, value, 1);
        else
            unsetenv(n);
    }
    ~EnvironmentValue() {
        if (wasSet)
            setenv(name.c_str(), old.c_str(), 1);
        else
            unsetenv(name.c_str());
    }
};

} // namespace

TEST(PlatformMachine, NoGpuDeviceMeansNoHardwareGl) {
    EnvironmentValue software("LIBGL_ALWAYS_SOFTWARE", nullptr);
    DeviceFolder dev;
    EXPECT_FALSE(hardwareGlPossible(dev.path));
    dev.add("null");
    dev.add("tty0");
    EXPECT_FALSE(hardwareGlPossible(dev.path));
}

TEST(PlatformMachine, AnyGpuDeviceNodeMayMeanHardwareGl) {
    EnvironmentValue software("LIBGL_ALWAYS_SOFTWARE", nullptr);
    for (const char* node : {"dri", "nvidia0", "nvidiactl", "dxg"}) {
        DeviceFolder dev;
        if (std::string(node) == "dri")
            ASSERT_EQ(mkdir((dev.path + "dri").c_str(), 0755), 0);
        else
            dev.add(node);
        EXPECT_TRUE(hardwareGlPossible(dev.path)) << node;
    }
}

TEST(PlatformMachine, ForcedSoftwareRenderingWinsOverADevice) {
    DeviceFolder dev;
    ASSERT_EQ(mkdir((dev.path + "dri").c_str(), 0755), 0);
    {
        EnvironmentValue software("LIBGL_ALWAYS_SOFTWARE", "1");
        EXPECT_FALSE(hardwareGlPossible(dev.path));
    }
    for (const char* off : {"0", "false", ""}) {
        EnvironmentValue software("LIBGL_ALWAYS_SOFTWARE", off);
        EXPECT_TRUE(hardwareGlPossible(dev.path)) << off;
    }
}

#if defined(__SANITIZE_ADDRESS__)
#define MEADOW_OWN_ALLOCATOR 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MEADOW_OWN_ALLOCATOR 1
#endif
#endif

TEST(PlatformMachine, LargeBuffersAreMappedEvenAfterOneWasFreed) {
#ifdef MEADOW_OWN_ALLOCATOR
    GTEST_SKIP() << "the sanitizer brings its own allocator";
#else
    // More than the heap keeps ready (two 4K windows' buffers): mapped, and
    // handed back when freed, the second time too; in the heap its pages
    // would stay resident for the rest of the game.
    tuneMemoryAllocator();
    constexpr size_t SIZE = 128u << 20;
    void* first = std::malloc(SIZE);
    ASSERT_NE(first, nullptr);
    std::free(first);
    size_t before = mallinfo2().hblkhd;
    void* second = std::malloc(SIZE);
    ASSERT_NE(second, nullptr);
    EXPECT_GE(mallinfo2().hblkhd, before + SIZE);
    std::free(second);
    EXPECT_EQ(mallinfo2().hblkhd, before);
#endif
}

TEST(PlatformMachine, DecodedPicturesReuseTheHeapAndItsTopIsKept) {
#ifdef MEADOW_OWN_ALLOCATOR
    GTEST_SKIP() << "the sanitizer brings its own allocator";
#else
    // A decoded 2048 x 1024 RGB picture, taken and freed at every switch:
    // from the heap, and the heap does not shrink when it is freed, so the
    // next one finds its pages there.
    tuneMemoryAllocator();
    constexpr size_t SIZE = (size_t)2048 * 1024 * 3;
    size_t mappedBefore = mallinfo2().hblkhd;
    void* picture = std::malloc(SIZE);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(mallinfo2().hblkhd, mappedBefore);
    size_t heap = mallinfo2().arena;
    EXPECT_GE(heap, SIZE);
    std::free(picture);
    EXPECT_EQ(mallinfo2().arena, heap);
#endif
}
