#!/usr/bin/env bash
# Configures and builds Nodeva in build/ (or $NODEVA_BUILD).
set -euo pipefail
raiz="$(cd "$(dirname "$0")/.." && pwd)"
build="${NODEVA_BUILD:-$raiz/build}"
# Debian's hardening flags (fortified functions, stack protector, read-only
# relocations bound at start), as a package of the distribution is built.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags="$(dpkg-buildflags --get LDFLAGS)"
cmake -S "$raiz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DCMAKE_SHARED_LINKER_FLAGS="$ldflags" \
  "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
