#!/usr/bin/env bash
# Installs what is missing, builds, and makes the Debian package
# (build/nodeva_<versión>_<arquitectura>.deb).
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
build="${NODEVA_BUILD:-$raiz/build}"
bash "$raiz/scripts/instalar-dependencias.sh"
bash "$raiz/scripts/compilar.sh"
cd "$build"
cpack -G DEB
