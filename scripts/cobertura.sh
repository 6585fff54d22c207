#!/usr/bin/env bash
# Measures the line coverage of src/ by the whole test suite.
# Builds into build-cobertura/ with --coverage (-O0), runs every test and prints the summary.
# With --relatorio PASTA: also writes a text report and an HTML report (one page per file) there.
set -euo pipefail
cd "$(dirname "$0")/.."

relatorio=""
if [ "${1:-}" = "--relatorio" ]; then
  relatorio="${2:?uso: scripts/cobertura.sh [--relatorio PASTA]}"
fi

# gcovr only serves this script; the normal build and tests do not need it.
if ! command -v gcovr >/dev/null; then
  echo "Instalando pacote: gcovr"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends gcovr
fi

if [ ! -f build-cobertura/CMakeCache.txt ]; then
  lancador=()
  command -v ccache >/dev/null && lancador=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S . -B build-cobertura -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS="--coverage -O0 -g" -DCMAKE_EXE_LINKER_FLAGS=--coverage \
        -DCMAKE_SHARED_LINKER_FLAGS=--coverage "${lancador[@]}"
fi
cmake --build build-cobertura -j2

# Counters from an earlier run would add up with this one.
find build-cobertura -name '*.gcda' -delete
# A test that runs zefira-cli under a file-size limit would also cut the counter files the
# process writes at its exit, spoiling them for every later run: it writes its own elsewhere.
LIMITADOS='CliConfiabilidade\.GravacaoQueNaoCabe'
ctest --test-dir build-cobertura -j2 --output-on-failure -E "$LIMITADOS"
descartados=$(mktemp -d)
GCOV_PREFIX="$descartados" ctest --test-dir build-cobertura --output-on-failure -R "$LIMITADOS"
rm -rf "$descartados"

opcoes=(--root . --filter 'src/' --object-directory build-cobertura
        --print-summary)
if [ -n "$relatorio" ]; then
  mkdir -p "$relatorio"
  opcoes+=(--txt "$relatorio/cobertura.txt" --html-details "$relatorio/index.html")
else
  opcoes+=(--txt /dev/null) # the summary only, not the table of every file
fi
gcovr "${opcoes[@]}"
