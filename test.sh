#!/usr/bin/env bash
# Installs what is missing, builds the game twice (normal, and with AddressSanitizer +
# UndefinedBehaviorSanitizer) and runs every test. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGLIMMERFALL_SANITIZE=address -DGLIMMERFALL_BENCH=OFF
cmake --build build-asan -j "$jobs"

# Window, GL and whole-program tests need an X display: a private Xvfb when none is set.
# -noreset: the server must not reset between one test's client and the next.
with_display() {
    if [ -n "${DISPLAY:-}" ]; then
        "$@"
    else
        xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$@"
    fi
}

export SDL_AUDIODRIVER=dummy
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0

echo "== normal build: unit, gl and e2e tests"
(cd build && with_display ctest --output-on-failure -j "$jobs") || status=1

echo "== sanitizer build: unit tests"
(cd build-asan && ctest --output-on-failure -j "$jobs" -L unit) || status=1

if [ $status -ne 0 ]; then
    echo "test.sh: FAILED"
else
    echo "test.sh: all tests passed"
fi
exit $status
