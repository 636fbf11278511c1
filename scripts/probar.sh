#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless; then again
# under the sanitizers, with a short fuzz of every parser (sanitizadores.sh).
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
build="${NODEVA_BUILD:-$raiz/build}"
bash "$raiz/scripts/instalar-dependencias.sh"
bash "$raiz/scripts/compilar.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
bash "$raiz/scripts/sanitizadores.sh"
