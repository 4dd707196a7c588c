#!/usr/bin/env bash
# Installs what is missing, builds, runs every test with CTest, then the core tests again
# under the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" --timeout 300)

# The program is French: the window tests once more under a French locale, where boxes show
# and read "1,75".
echo "Window tests under LC_ALL=fr_FR.UTF-8"
(cd build && LC_ALL=fr_FR.UTF-8 QT_QPA_PLATFORM=offscreen timeout 300 ./test_ui --gtest_brief=1)

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGABARIT_CORE_ONLY=ON \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all" \
    >/dev/null
cmake --build build-asan -j "$(nproc)" --target test_core
(cd build-asan && ctest --output-on-failure -j "$(nproc)" --timeout 300)
