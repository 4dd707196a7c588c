#!/usr/bin/env bash
# Installs what is missing, builds, runs every test with CTest, then the core and window tests
# again under the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh

# A PulseAudio server with a null sink, private to this run, for the sound tests (a real play
# through it) and so that every window test runs with an audio server up. Stopped at the end.
audio=""
arrete_audio() {
    [ -n "$audio" ] || return 0
    XDG_RUNTIME_DIR="$audio" pulseaudio --kill 2>/dev/null || true
    rm -rf "$audio"
}
if command -v pulseaudio >/dev/null && command -v pactl >/dev/null; then
    audio="$(mktemp -d /tmp/gabarit-audio.XXXXXX)"
    chmod 700 "$audio"
    export XDG_RUNTIME_DIR="$audio"
    trap arrete_audio EXIT
    pulseaudio -D --exit-idle-time=-1 --system=false --disable-shm=yes -n \
        --load="module-null-sink sink_name=gabarit_nul" --load=module-native-protocol-unix \
        --log-target=file:"$audio/pulse.log" 2>/dev/null || true
    for _ in $(seq 50); do
        pactl info >/dev/null 2>&1 && break
        sleep 0.1
    done
    if pactl info >/dev/null 2>&1; then
        echo "Audio server: PulseAudio with a null sink"
    else
        echo "Audio server did not start: the real playback test is skipped"
        cat "$audio/pulse.log" 2>/dev/null || true
    fi
fi
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" --timeout 300)

# The program is French: the window tests once more under a French locale, where boxes show
# and read "1,75".
echo "Window tests under LC_ALL=fr_FR.UTF-8"
(cd build && LC_ALL=fr_FR.UTF-8 QT_QPA_PLATFORM=offscreen timeout 300 ./test_ui --gtest_brief=1)

# The core and window tests again under the address and undefined-behaviour sanitizers, with
# float-to-integer conversions checked too (a record value too large for an int). Still inside
# the private audio setup above. Qt itself is not instrumented; leak detection stays on.
export CCACHE_BASEDIR="$PWD"
lanceur=()
command -v ccache >/dev/null && lanceur=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGABARIT_CORE_ONLY=OFF \
    -DGABARIT_BENCH=OFF "${lanceur[@]}" \
    -DCMAKE_CXX_FLAGS="-O1 -fsanitize=address,undefined,float-cast-overflow -fno-omit-frame-pointer -fno-sanitize-recover=all" \
    >/dev/null
export ASAN_OPTIONS="strict_init_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cmake --build build-asan -j "$(nproc)" --target test_core test_ui
(cd build-asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" --timeout 600)
# Once more in one process, as the user's session runs: a fault one test leaves behind (a
# thread still running into freed memory) shows in the tests that follow it.
(cd build-asan && LC_ALL=fr_FR.UTF-8 QT_QPA_PLATFORM=offscreen timeout 900 \
    ./test_ui --gtest_brief=1 --gtest_repeat=3)
