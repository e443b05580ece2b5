#!/bin/sh
# Starts the window executable from / without --home: it must find languages/ and data/ beside
# itself, exactly as when its own folder is given as --home.
set -eu
exe="$1"
bindir=$(cd "$(dirname "$exe")" && pwd -P)
export QT_QPA_PLATFORM=offscreen

from_root=$(cd / && "$exe" --startup-check 2>/dev/null)
with_home=$(cd "$bindir" && "$exe" --startup-check --home "$bindir" 2>/dev/null)

printf 'from /:       %s\nwith --home:  %s\n' "$from_root" "$with_home"
home=$(printf '%s' "$from_root" | cut -f2)
caption=$(printf '%s' "$from_root" | cut -f3)
[ "$home" = "$bindir" ] || { echo "home folder is '$home', expected '$bindir'"; exit 1; }
[ "$from_root" = "$with_home" ] || { echo "start from / differs from the start with --home"; exit 1; }
# The template caption stays only when no language file was found.
[ -n "$caption" ] && [ "$caption" != "Simulieren" ] || { echo "no language file applied"; exit 1; }
