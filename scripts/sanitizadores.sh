#!/usr/bin/env bash
# Builds everything with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer in build-san/ (or $NODEVA_BUILD_SAN), runs every
# test there headless, then each fuzz target for a fixed number of inputs
# from its seed corpus. Any report fails the script.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
build="${NODEVA_BUILD_SAN:-$raiz/build-san}"

CXX="${CXX_SAN:-clang++-14}" cmake -S "$raiz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DNODEVA_FUZZ=ON -DNODEVA_BENCHMARKS=OFF "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"

simbolos="$(command -v llvm-symbolizer-14 || command -v llvm-symbolizer || true)"
[ -n "$simbolos" ] && export ASAN_SYMBOLIZER_PATH="$simbolos"
export ASAN_OPTIONS="abort_on_error=1:detect_stack_use_after_return=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1"
# What a library keeps for the life of the process is no leak of ours.
export LSAN_OPTIONS="suppressions=$raiz/fuzz/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
# The random person at length: 100 sessions of 5000 steps each, a few
# minutes under the sanitizers, where the short default finds less.
NODEVA_SEMILLAS=100 NODEVA_PASOS=5000 "$build/bin/nodeva_tests" --gtest_filter='UsoAlAzar.*' --gtest_brief=1

# About a minute in all on two cores: the command-line target is far quicker
# per input than the ones that read a file. The importers of other tools'
# formats take a few seconds each.
declare -A entradas=([lector]=30000 [formas]=15000 [menu]=20000 [argumentos]=300000 [algoritmos]=20000
  [graphml]=20000 [gml]=20000 [dot]=20000 [pajek]=20000 [graph6]=20000)
trabajo="$(mktemp -d)"
trap 'rm -rf "$trabajo"' EXIT
for objetivo in lector formas menu argumentos algoritmos graphml gml dot pajek graph6; do
  mkdir -p "$trabajo/$objetivo"
  cp "$raiz/fuzz/corpus/$objetivo/"* "$trabajo/$objetivo/"
  diccionario=()
  [ -f "$raiz/fuzz/$objetivo.dict" ] && diccionario=(-dict="$raiz/fuzz/$objetivo.dict")
  # The algorithms' target reads graph files too.
  [ "$objetivo" = algoritmos ] && diccionario=(-dict="$raiz/fuzz/lector.dict")
  echo "fuzz_$objetivo: ${entradas[$objetivo]} entradas"
  # A finding's report is shown and its input kept in the build folder; an
  # input that takes ten seconds is a hang, and a finding too.
  "$build/bin/fuzz_$objetivo" -runs="${entradas[$objetivo]}" -max_len=4096 -seed=1 -timeout=10 \
    -artifact_prefix="$build/" "${diccionario[@]}" "$trabajo/$objetivo" 2>"$trabajo/$objetivo.log" || {
    tail -n 60 "$trabajo/$objetivo.log"
    exit 1
  }
done
