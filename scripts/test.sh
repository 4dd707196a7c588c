#!/usr/bin/env bash
# Installs what is missing, builds, runs every test with CTest, then the core tests again
# under the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" --timeout 300)

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGABARIT_CORE_ONLY=ON \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all" \
    >/dev/null
cmake --build build-asan -j "$(nproc)" --target test_core
(cd build-asan && ctest --output-on-failure -j "$(nproc)" --timeout 300)
