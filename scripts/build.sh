#!/usr/bin/env bash
# Configures and builds into build/ (the program folder is build/, data/ copied beside it).
# With target names (scripts/build.sh gabarit), builds only those.
set -euo pipefail
cd "$(dirname "$0")/.."
# ccache, where the machine has it, shares compiled objects between checkouts.
export CCACHE_BASEDIR="$PWD"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cibles=()
[ $# -gt 0 ] && cibles=(--target "$@")
cmake --build build -j "$(nproc)" "${cibles[@]}"
