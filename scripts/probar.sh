#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless. The slower
# pass under the sanitizers, with a short fuzz, is sanitizadores.sh (CI runs
# both).
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
build="${NODEVA_BUILD:-$raiz/build}"
bash "$raiz/scripts/instalar-dependencias.sh"
bash "$raiz/scripts/compilar.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
