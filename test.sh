#!/usr/bin/env bash
# Install what is missing, build everything, then run every test.
# Display tests run under Xvfb with Mesa's software OpenGL.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup
jobs="$(nproc)"

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMEADOW_WERROR=ON >/dev/null
cmake --build build -j"$jobs"

# Unit and fuzz tests again with AddressSanitizer and UndefinedBehaviorSanitizer,
# and the monkey: random play of the whole game (with the art just built)
# under the sanitizers and LeakSanitizer.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DMEADOW_WERROR=ON -DMEADOW_SANITIZE=ON \
    -DMEADOW_BUILD_ART=OFF >/dev/null
cmake --build build-asan -j"$jobs" --target unit_tests fuzz_tests monkey_tests

status=0
(cd build && ctest --output-on-failure) || status=1
(cd build-asan && ctest --output-on-failure -R "^(unit|fuzz|monkey)$") || status=1
exit $status
