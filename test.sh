#!/usr/bin/env bash
# Install what is missing, build everything, then run every test.
# Display tests run on virtual X screens of their own (Xvfb) with Mesa's
# software OpenGL, so ctest runs them side by side.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup --tests
jobs="$(nproc)"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMEADOW_WERROR=ON >/dev/null
cmake --build build -j"$jobs"

# Unit and fuzz tests again with AddressSanitizer and UndefinedBehaviorSanitizer,
# and the monkey: random play of the whole game (with the art just built)
# under the sanitizers and LeakSanitizer.  Only what those three need is
# built, at -O1: the sanitizers find the same faults, and the monkey's
# frames run several times faster than unoptimised.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
    -DMEADOW_WERROR=ON -DMEADOW_SANITIZE=ON -DMEADOW_BUILD_ART=OFF >/dev/null
cmake --build build-asan -j"$jobs" --target unit_tests fuzz_tests monkey_tests

# Both trees' tests at once: none shares a screen or a file with another.
# The sanitized run's report follows the normal one's.
sanitized_log=build-asan/ctest.log
(cd build-asan && ctest --output-on-failure -R "^(unit|fuzz|monkey)$") >"$sanitized_log" 2>&1 &
sanitized=$!
trap 'kill "$sanitized" 2>/dev/null || true' EXIT

status=0
(cd build && ctest --output-on-failure -j"$jobs") || status=1
wait "$sanitized" || status=1
cat "$sanitized_log"
exit $status
