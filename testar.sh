#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
# With --sanitizadores: builds into build-san/ with AddressSanitizer and UndefinedBehaviorSanitizer
# (any undefined behaviour fails the test that met it) and runs every test there.
set -euo pipefail
cd "$(dirname "$0")"
scripts/dependencias.sh
if [ "${1:-}" = "--sanitizadores" ]; then
  if [ ! -f build-san/CMakeCache.txt ]; then
    lancador=()
    command -v ccache >/dev/null && lancador=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZEFIRA_SANITIZADORES=ON "${lancador[@]}"
  fi
  cmake --build build-san -j2
  export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
  ctest --test-dir build-san --output-on-failure -j2
  exit
fi
scripts/compilar.sh
ctest --test-dir build --output-on-failure -j2
