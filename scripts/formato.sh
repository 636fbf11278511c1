#!/usr/bin/env bash
# Checks that every C++ file under src/ and tests/ is as clang-format writes
# it (.clang-format); with --arreglar, rewrites them so.
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
formato="$(command -v clang-format-14 || command -v clang-format)"
mapfile -d '' ficheros < <(find "$raiz/src" "$raiz/tests" \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
if [ "${1:-}" = --arreglar ]; then
  "$formato" -i "${ficheros[@]}"
else
  "$formato" --dry-run -Werror "${ficheros[@]}"
fi
