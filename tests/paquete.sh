#!/usr/bin/env bash
# Makes the Debian package from the build and holds it to Debian's own
# checks: lintian must find no error and no warning. The package must also
# bring Qt's Spanish translations, or its Qt dialogs speak English.
set -euo pipefail
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
cpack -G DEB --config "$1/CPackConfig.cmake" -B "$tmp" >/dev/null
paquete="$(ls "$tmp"/nodeva_*.deb)"
dpkg-deb -f "$paquete" Depends | grep -q 'qt6-translations-l10n' || { echo "sin qt6-translations-l10n"; exit 1; }
# The libraries that read and write other tools' formats, found by dpkg-shlibdeps.
for biblioteca in libigraph libcgraph libnauty; do
  dpkg-deb -f "$paquete" Depends | grep -q "$biblioteca" || { echo "sin $biblioteca"; exit 1; }
done
# lintian says on stderr that it runs as root; its findings go to stdout.
lintian --fail-on error,warning --tag-display-limit 0 "$paquete" 2>/dev/null
