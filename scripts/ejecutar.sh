#!/usr/bin/env bash
# Installs what is missing, builds, and starts Nodeva (arguments: a graph file).
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
build="${NODEVA_BUILD:-$raiz/build}"
bash "$raiz/scripts/instalar-dependencias.sh"
bash "$raiz/scripts/compilar.sh"
exec "$build/bin/nodeva" "$@"
