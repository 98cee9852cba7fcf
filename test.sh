#!/usr/bin/env bash
# Installs what is missing, builds the game twice (normal, and with AddressSanitizer +
# UndefinedBehaviorSanitizer) plus the threaded tests with ThreadSanitizer, runs every
# test and writes the picture galleries into build/screens/. Exits non-zero on any
# failure.
#
#   ./test.sh         everything
#   ./test.sh quick   the normal build and its unit tests only: the edit-and-run loop
set -euo pipefail
cd "$(dirname "$0")"

mode=${1:-all}
case "$mode" in
all | quick) ;;
*)
    echo "usage: $0 [quick]" >&2
    exit 2
    ;;
esac

scripts/install-deps.sh test
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
export SDL_AUDIODRIVER=dummy
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

if [ "$mode" = quick ]; then
    echo "== normal build: unit tests"
    if (cd build && ctest --output-on-failure -j "$jobs" -L unit); then
        echo "test.sh quick: all unit tests passed"
        exit 0
    fi
    echo "test.sh quick: FAILED"
    exit 1
fi

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGLIMMERFALL_SANITIZE=address -DGLIMMERFALL_BENCH=OFF
cmake --build build-asan -j "$jobs"
# The input sampler runs on SDL's timer thread and the mixer on its audio thread: the test
# binaries that drive them (label tsan in tests/CMakeLists.txt) also run under
# ThreadSanitizer.
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGLIMMERFALL_SANITIZE=thread -DGLIMMERFALL_BENCH=OFF
cmake --build build-tsan -j "$jobs" --target tsan_tests

# Window, GL and whole-program tests need an X display: a private Xvfb when none is set.
# -noreset: the server must not reset between one test's client and the next.
with_display() {
    if [ -n "${DISPLAY:-}" ]; then
        "$@"
    else
        xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$@"
    fi
}

status=0

echo "== normal build: unit, gl and e2e tests"
(cd build && with_display ctest --output-on-failure -j "$jobs") || status=1

echo "== pictures: the galleries of the generated content into build/screens/"
if (cd build && with_display tests/pictures >pictures.log 2>&1); then
    echo "pictures: $(ls build/screens | wc -l) files in build/screens/"
else
    echo "pictures: FAILED (build/pictures.log)"
    tail -n 30 build/pictures.log
    status=1
fi

# Each unit (and GL) test binary once more as a whole, in one process, beside ctest's
# process per test: a test that leans on what an earlier one left behind, or leaves
# behind what breaks a later one (a leak, under the sanitizer), fails here. The unit
# binaries run side by side, the GL ones in turn on one display beside them.
whole_run() {   # [with_display] ./binary: its log and exit status beside it
    local bin=${@: -1} rc=0
    "$@" --gtest_brief=1 >"$bin.whole.log" 2>&1 || rc=$?
    echo $rc >"$bin.whole.rc"
}
whole_binaries() {   # build folder, "gl" to run the GL binaries too
    (
        cd "$1/tests"
        bins=() gl_bins=()
        for bin in ./test_*; do
            [ -f "$bin" ] && [ -x "$bin" ] || continue
            case "$bin" in
                ./test_e2e) ;;
                *_gl) [ "${2:-}" = gl ] && bins+=("$bin") && gl_bins+=("$bin") ;;
                *) bins+=("$bin"); whole_run "$bin" & ;;
            esac
        done
        for bin in "${gl_bins[@]}"; do
            whole_run with_display "$bin"
        done
        wait
        failed=0
        for bin in "${bins[@]}"; do
            grep -a -E '^\[  (FAILED|PASSED)  \]' "$bin.whole.log" | sed "s|^|${bin#./} whole: |" || true
            [ "$(cat "$bin.whole.rc")" = 0 ] || failed=1
        done
        exit $failed
    )
}
echo "== normal build: each unit and gl test binary whole, in one process"
whole_binaries build gl || status=1

echo "== sanitizer build: unit tests"
(cd build-asan && ctest --output-on-failure -j "$jobs" -L unit) || status=1
echo "== sanitizer build: each unit test binary whole, in one process"
ASAN_OPTIONS=detect_leaks=1 whole_binaries build-asan || status=1

echo "== ThreadSanitizer build: the tests labelled tsan"
(cd build-tsan && TSAN_OPTIONS="halt_on_error=1 suppressions=$PWD/../tests/platform/tsan.supp" \
    ctest --output-on-failure -j "$jobs" -L tsan) || status=1

# Fuzz runs: each reader of the player's folder for a few seconds, seeded with sample
# files the generator writes and with the generated tree's own files. Built with clang and
# libFuzzer in a folder of their own; skipped where the fuzzer runtime does not link.
# Targets that read several files take them joined by the line "=====".
fuzz_seconds=${FUZZ_SECONDS:-5}
echo "== fuzz: each reader for ${fuzz_seconds} s"
if CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer" \
        -DGLIMMERFALL_FUZZ=ON -DGLIMMERFALL_BENCH=OFF >build-fuzz.log 2>&1 &&
    cmake --build build-fuzz -j "$jobs" --target fuzz_targets >>build-fuzz.log 2>&1; then
    # Absolute paths: the targets that read files work in a private folder of their own.
    seeds=$PWD/build-fuzz/seeds
    tree=$PWD/build/assets
    rm -rf "$seeds"
    build/tools/assetgen --seeds "$seeds" >/dev/null
    mkdir -p "$seeds"/{wav,config,bind,score,menu_text,level}
    joined() {   # the files given, joined by the separator line
        local first=1
        for f in "$@"; do
            [ $first -eq 1 ] || printf '\n=====\n'
            first=0
            cat "$f"
        done
    }
    cp "$tree/styles/bitmaps/z_light.bmp" "$seeds/bmp/"
    cp "$tree/styles/beasties/robot_green/anim.bin" "$seeds/anim/robot_green.bin"
    find "$tree/styles/sfx" -name '*.wav' -size -200k -exec cp {} "$seeds/wav/" \;
    cp data/bindwin32.cfg "$seeds/bind/"
    cat data/bindwin32.cfg - >"$seeds/config/config.cfg" <<'CONFIG'
#console
language "en"
language_num 0.000000
mouse_speed 1.000000
input_type 0.000000
joystick_deadzone 0.300000
input_type_2 0.000000
joystick_deadzone_2 0.300000
sound_devnum -1.000000
sound_sfxvol 1.000000
sound_menuvol 1.000000
render_levelnum 101.000000
render_modelnum1 1.000000
render_modelhue1 0.000000
render_modelnum2 2.000000
render_modelhue2 0.000000
render_alternaterenderpath 0.000000
render_biggcrosshair 0.000000
render_resolution 1.000000
render_colourdepth 1.000000
render_sync 0.000000
render_brightness 0.500000
render_16bittexture 1.000000
render_trilinear 1.000000
render_particles 1.000000
render_backgroundgfx 2.000000
render_fullscreen 0.000000
CONFIG
    head -c 9028 /dev/zero >"$seeds/score/plain.cfg"
    { printf '\001\000\000\000'; head -c 9024 /dev/zero; } >"$seeds/score/scrambled.cfg"
    for lang in en de fr; do
        joined "$tree/menu/languages.txt" "$tree/menu/menu_$lang.txt" "$tree/menu/keys_en.txt" \
            >"$seeds/menu_text/$lang.txt"
    done
    for model in beasties/robot_green beasties/weelee_big players/ship_1 powerups/powerup_spinner explosions/burst_small; do
        joined "$tree/styles/$model/anim.bin" "$tree/styles/$model/model.bin" >"$seeds/level/${model##*/}.bin"
    done
    for target in bmp model anim particle wav config bind score menu_text level; do
        corpus=$(mktemp -d)
        if GLIMMERFALL_FUZZ_BITMAPS="$tree/styles/bitmaps" build-fuzz/tests/${target}_fuzz \
                -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=2048 \
                -artifact_prefix="$PWD/build-fuzz/" "$corpus" "$seeds/$target" >build-fuzz/${target}.log 2>&1; then
            echo "fuzz ${target}: $(grep -o 'Done [0-9]* runs' build-fuzz/${target}.log), no failure"
        else
            echo "fuzz ${target}: FAILED (build-fuzz/${target}.log)"
            tail -n 30 build-fuzz/${target}.log
            status=1
        fi
        rm -rf "$corpus"
    done
else
    echo "fuzz: clang-14 with libFuzzer is not usable here (see build-fuzz.log); fuzz runs skipped"
fi

if [ $status -ne 0 ]; then
    echo "test.sh: FAILED"
else
    echo "test.sh: all tests passed"
fi
exit $status
