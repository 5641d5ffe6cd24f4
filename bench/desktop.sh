# Shared by the measurements of the running program (sourced, not run):
# an installation of its own in a temporary directory and a desktop of its
# own (Xvfb with trayer as the tray host) to run it on.
#
#   mz_desktop_start KOVRIN_INI_TEXT DISPLAY_BASE
# sets $work (the temporary installation), $app (the program's process id)
# and removes everything again when the calling script exits.

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${MZ_BUILD_DIR:-$top/build}
program=$build/stage/lib/morvek-zefra/morvek-zefra

mz_desktop_cleanup() {
    kill "${app:-}" "${tray:-}" "${xvfb:-}" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "${work:-}"
}

mz_desktop_start() {
    local ini=$1 base=$2
    [ -x "$program" ] || { echo "$(basename "$0"): $program is missing; run scripts/setup" >&2; exit 2; }
    work=$(mktemp -d)
    trap mz_desktop_cleanup EXIT

    mkdir -p "$work/lib/morvek-zefra" "$work/share/morvek-zefra" "$work/config"
    cp "$program" "$work/lib/morvek-zefra/"
    cp "$top/data/RV1960n.xml" "$work/share/morvek-zefra/"
    cp "$top/data/Favoritos.xml" "$top/data/leeme.htm" "$work/lib/morvek-zefra/"
    printf '%s' "$ini" > "$work/lib/morvek-zefra/Kovrin.ini"

    local display=:$((base + RANDOM % 9))
    Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
    xvfb=$!
    sleep 1
    DISPLAY=$display trayer --edge top --align right --widthtype request --height 24 >/dev/null 2>&1 &
    tray=$!
    sleep 1
    env -u DBUS_SESSION_BUS_ADDRESS DISPLAY="$display" QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" \
        "$work/lib/morvek-zefra/morvek-zefra" >/dev/null 2>&1 &
    app=$!
}

# A settings file like the shipped one, with another interval and display time.
mz_kovrin_ini() {
    printf '; Kovrin\r\n\r\n\r\n[Fuente]\r\nFuenteVersos=%s\r\n\r\n[Frecuencia]\r\nSegundos=%s\r\n\r\n[ZefraWnd]\r\nDesplegado=%s\r\nAutoHide=1\r\nIcono=0\r\nEstilo=3\r\nAmplitud=40\r\nPosicion=1\r\n' "$1" "$2" "$3"
}
