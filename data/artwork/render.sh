#!/bin/sh
# Renders the PNG files of png/ from the SVG sources of svg/ and rewrites
# artwork.qrc to list them.
#
# The PNGs are committed, so the build never runs this; run it by hand after
# changing a drawing, look at the results at their real size, and commit both.
# Needs rsvg-convert (Debian package librsvg2-bin) and ImageMagick's convert.
# A file name ending in "@2x" holds the same picture at twice the size, which
# Qt picks by itself on screens with a device pixel ratio of 2.
set -eu
export LC_ALL=C

here=$(cd "$(dirname "$0")" && pwd)
src="$here/svg"
out="$here/png"
mkdir -p "$out"

# render SVG WIDTH HEIGHT PNG
render() {
    rsvg-convert --width "$2" --height "$3" --keep-aspect-ratio \
        --output "$out/$4" "$src/$1"
}

# Program icon: tray, menu entry and window icon. The small sizes have their
# own drawings on the pixel grid; 24 is the 22-pixel drawing with a
# transparent border, as icon themes do it.
render morvek-zefra-16.svg 16 16 morvek-zefra-16.png
render morvek-zefra-22.svg 22 22 morvek-zefra-22.png
convert "$out/morvek-zefra-22.png" -background none -gravity center \
    -extent 24x24 -define png:exclude-chunks=date,time "$out/morvek-zefra-24.png"
for size in 32 48 64 128 256; do
    render morvek-zefra.svg "$size" "$size" "morvek-zefra-$size.png"
done

# Message icons of the alert window and menu images of the tray menu, 16 px.
for svg in "$src"/mensaje-*.svg "$src"/menu-*.svg "$src"/arbol-*.svg; do
    name=$(basename "$svg" .svg)
    render "$name.svg" 16 16 "$name.png"
    render "$name.svg" 32 32 "$name@2x.png"
done

# Menu image 0 is the program's own emblem.
render morvek-zefra-16.svg 16 16 menu-0-programa.png
render morvek-zefra.svg 32 32 menu-0-programa@2x.png

# Testament pictures of the book chooser, 32 px.
for name in antiguo-testamento nuevo-testamento; do
    render "$name.svg" 32 32 "$name.png"
    render "$name.svg" 64 64 "$name@2x.png"
done

# Sample of the alert window (options page) and side picture of the about box.
render muestra-ventana.svg 224 104 muestra-ventana.png
render muestra-ventana.svg 448 208 muestra-ventana@2x.png
render acerca-lateral.svg 132 245 acerca-lateral.png
render acerca-lateral.svg 264 490 acerca-lateral@2x.png

# The resource file lists every PNG under the prefix /artwork, by its bare
# name, so the program loads for example ":/artwork/menu-2-correo.png".
{
    echo '<!DOCTYPE RCC>'
    echo '<RCC version="1.0">'
    echo '<qresource prefix="/artwork">'
    for png in "$out"/*.png; do
        name=$(basename "$png")
        echo "    <file alias=\"$name\">png/$name</file>"
    done
    echo '</qresource>'
    echo '</RCC>'
} >"$here/artwork.qrc"
