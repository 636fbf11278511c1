#!/usr/bin/env bash
# Installs the build into a temporary prefix and uses it as a user would, from
# another folder: the programs find their data there, the help is all there,
# and the menu entry, the graph file type and the manual pages are valid and
# agree with each other.
set -euo pipefail
datos="$(cd "$(dirname "$0")/../data" && pwd)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
cmake --install "$1" --prefix "$tmp/usr" >/dev/null
share="$tmp/usr/share"
escritorio="$share/applications/nodeva.desktop"
mkdir "$tmp/trabajo" && cd "$tmp/trabajo"

"$tmp/usr/bin/nodeva-cli" generar Tutte tutte.grf >/dev/null
# The help menus, documents and pages are looked for in that same folder.
diff -r -x CMakeLists.txt "$datos" "$share/nodeva"

desktop-file-validate "$escritorio"
xmllint --noout "$share/mime/packages/nodeva.xml"
test -x "$tmp/usr/bin/$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$escritorio")"
test -f "$share/icons/hicolor/scalable/apps/$(sed -n 's/^Icon=//p' "$escritorio").svg"

# A graph file is known by its extension, or by its first line without one,
# and opens with Nodeva.
export XDG_DATA_DIRS="$share" XDG_DATA_HOME="$tmp/nada" XDG_CONFIG_HOME="$tmp/nada" XDG_CONFIG_DIRS="$tmp/nada"
unset XDG_CURRENT_DESKTOP
update-mime-database "$share/mime"
cp tutte.grf sin-extension
for f in tutte.grf sin-extension; do
  tipo="$(gio info -a standard::content-type "$f" | sed -n 's/.*content-type: //p')"
  [ "$tipo" = application/x-nodeva-grafo ] || { echo "$f: $tipo"; exit 1; }
done
[ "$(xdg-mime query default application/x-nodeva-grafo)" = nodeva.desktop ]

for pagina in "$share"/man/man1/nodeva.1.gz "$share"/man/man1/nodeva-cli.1.gz; do
  avisos="$(zcat "$pagina" | LC_ALL=C.UTF-8 groff -k -man -ww -z 2>&1)"
  [ -z "$avisos" ] || { echo "$pagina: $avisos"; exit 1; }
done
