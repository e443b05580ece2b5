#!/bin/sh
# Starts the window executable from / without --home: it must find languages/ and data/ beside
# itself, exactly as when its own folder is given as --home. It runs from a portable folder of its
# own (a copy of the executable beside the languages and an empty data/), so that the build's
# folder keeps no file of the test.
set -eu
exe="$1"
bindir=$(cd "$(dirname "$exe")" && pwd -P)
export QT_QPA_PLATFORM=offscreen
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
folder=$(cd "$folder" && pwd -P)
cp "$exe" "$folder/"
cp -R "$bindir/languages" "$folder/languages"
mkdir "$folder/data"
exe="$folder/$(basename "$exe")"

from_root=$(cd / && "$exe" --startup-check 2>/dev/null)
with_home=$(cd "$folder" && "$exe" --startup-check --home "$folder" 2>/dev/null)

printf 'from /:       %s\nwith --home:  %s\n' "$from_root" "$with_home"
home=$(printf '%s' "$from_root" | cut -f2)
caption=$(printf '%s' "$from_root" | cut -f3)
[ "$home" = "$folder" ] || { echo "home folder is '$home', expected '$folder'"; exit 1; }
[ "$from_root" = "$with_home" ] || { echo "start from / differs from the start with --home"; exit 1; }
# The template caption stays only when no language file was found.
[ -n "$caption" ] && [ "$caption" != "Simulieren" ] || { echo "no language file applied"; exit 1; }
