#!/usr/bin/env bash
# Installs, with apt-get, the Debian 12 packages Nodeva needs to build, test,
# package and run. Does nothing when they are all there already.
set -euo pipefail

paquetes=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev qt6-translations-l10n
  libigraph-dev libgraphviz-dev libnauty2-dev
  libgtest-dev libbenchmark-dev libboost-graph-dev
  clang-14 libclang-rt-14-dev llvm-14 clang-format-14
  fonts-liberation2 xvfb xauth
  file desktop-file-utils libxml2-utils shared-mime-info xdg-utils libglib2.0-bin groff-base
  dpkg-dev lintian
)

faltan=()
for p in "${paquetes[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || faltan+=("$p")
done
[ ${#faltan[@]} -eq 0 ] && exit 0

sudo_=""
[ "$(id -u)" -ne 0 ] && sudo_="sudo"
echo "Instalando: ${faltan[*]}"
$sudo_ apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y -qq --no-install-recommends "${faltan[@]}"
