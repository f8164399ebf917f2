#!/usr/bin/env bash
# Install what is missing, build everything, then run every test.
# Display tests run on virtual X screens of their own (Xvfb) with Mesa's
# software OpenGL, so ctest runs them side by side.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup --tests
jobs="$(nproc)"

# The two trees are configured side by side: each is a few seconds of
# small processes run one at a time.  Both carry line tables alone for
# debugging (-g1): every report (sanitizers, valgrind, a crash) still names
# the file and line, and compiling takes a tenth less.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" \
    -DMEADOW_WERROR=ON >/dev/null &
normal_configure=$!

# Unit and fuzz tests again with AddressSanitizer and UndefinedBehaviorSanitizer,
# and the monkey: random play of the whole game (with the art just built)
# under the sanitizers and LeakSanitizer.  Only what those three need is
# built, at -O1: the sanitizers find the same faults, and the monkey's
# frames run several times faster than unoptimised.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g1 -O1" \
    -DMEADOW_WERROR=ON -DMEADOW_SANITIZE=ON -DMEADOW_BUILD_ART=OFF >/dev/null
wait "$normal_configure"

# The sanitized tree builds one job at a time beside the normal one, whose
# long single-threaded steps (drawing the art, linking) leave a core free
# for it.  Its output is shown only if it fails.
sanitized_build_log=build-asan/build.log
# Each background run leads a process group of its own, so every exit path
# stops it with all it started.
setsid -w cmake --build build-asan -j1 --target unit_tests fuzz_tests monkey_tests \
    >"$sanitized_build_log" 2>&1 &
sanitized_build=$!
background=$sanitized_build
trap 'kill -- -"$background" 2>/dev/null || true' EXIT

# The art first: the sanitized tests (the monkey plays minutes with it) then
# start while the normal tree's tests and tools are still being built.
cmake --build build -j"$jobs" --target art_archives
if ! wait "$sanitized_build"; then
    cat "$sanitized_build_log"
    exit 1
fi
# The sanitized run's report follows the normal one's.
sanitized_log=build-asan/ctest.log
(cd build-asan && exec setsid -w ctest --output-on-failure -R "^(unit|fuzz|monkey)$") >"$sanitized_log" 2>&1 &
sanitized=$!
background=$sanitized
cmake --build build -j"$jobs"

# The slowest tests of a tree's last ctest run, from ctest's own log.
slowest() {
    awk '/^[0-9]+\/[0-9]+ Test: / { name = $3 }
         /^Test time = / { printf "%8.1f s  %s\n", $4, name }' \
        "$1/Testing/Temporary/LastTest.log" 2>/dev/null | sort -rn | head -n "$2"
}

# Both trees' tests at once: none shares a screen or a file with another.
# Two tests more than there are cores: the scripts that drive the real
# program spend much of their time waiting for its screen, and toward the
# end most of what still runs is such waiting.
status=0
(cd build && ctest --output-on-failure -j"$((jobs + 2))") || status=1
wait "$sanitized" || status=1
cat "$sanitized_log"
echo "Slowest tests (wall-clock seconds, run side by side):"
slowest build 10
echo "Sanitized tree:"
slowest build-asan 3
exit $status
