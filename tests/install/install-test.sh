#!/usr/bin/env bash
# Installs the build into a fresh per-user prefix, checks the layout the
# program finds its files by, changes the user's settings and favourites,
# installs again and checks that they were kept.
#   install-test.sh BUILD_DIR
set -euo pipefail
build=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
prefix=$home/.local

install() { HOME=$home XDG_CONFIG_HOME= cmake --install "$build" --prefix "$prefix" >/dev/null; }
fail() { echo "install-test: $*" >&2; exit 1; }

install
app=$prefix/lib/morvek-zefra
for f in "$app/morvek-zefra" "$app/Kovrin.ini" "$app/Favoritos.xml" "$app/leeme.htm" \
         "$prefix/share/morvek-zefra/RV1960n.xml" "$prefix/share/applications/morvek-zefra.desktop" \
         "$prefix/share/icons/hicolor/48x48/apps/morvek-zefra.png" \
         "$prefix/share/icons/hicolor/scalable/apps/morvek-zefra.svg" \
         "$home/.config/autostart/morvek-zefra.desktop"; do
    [ -e "$f" ] || fail "missing $f"
done
[ "$(readlink -f "$prefix/bin/morvek-zefra")" = "$(readlink -f "$app/morvek-zefra")" ] ||
    fail "the launcher does not lead to the program"
grep -qx "Exec=$prefix/bin/morvek-zefra" "$home/.config/autostart/morvek-zefra.desktop" ||
    fail "the autostart entry does not start the installed program"
grep -qx "Exec=$prefix/bin/morvek-zefra" "$prefix/share/applications/morvek-zefra.desktop" ||
    fail "the menu entry does not start the installed program"

# The user's own files survive a second installation.
printf 'changed settings\r\n' > "$app/Kovrin.ini"
printf 'changed favourites\r\n' > "$app/Favoritos.xml"
install
[ "$(cat "$app/Kovrin.ini")" = $'changed settings\r' ] || fail "the settings were overwritten"
[ "$(cat "$app/Favoritos.xml")" = $'changed favourites\r' ] || fail "the favourites were overwritten"
echo "install-test: ok"
