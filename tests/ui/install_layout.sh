#!/bin/sh
# Installs the build into a fresh folder and checks the portable layout: executables, languages
# and an empty book beside them, the desktop entry and the icons; then starts the installed window
# from another folder.
set -eu
build="$1"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
fail() { echo "install layout: $*"; exit 1; }
for f in bin/quorvel bin/quorvel-batch bin/languages/eng_lang.dat bin/data/QuorvelData.dat \
         share/applications/quorvel.desktop share/icons/hicolor/scalable/apps/quorvel.svg; do
    [ -e "$prefix/$f" ] || fail "$f missing"
done
for size in 16 32 48 64 128 256; do
    [ -e "$prefix/share/icons/hicolor/${size}x${size}/apps/quorvel.png" ] || fail "icon $size missing"
done
[ -s "$prefix/bin/data/QuorvelData.dat" ] && fail "the installed book is not empty"
grep -q "^Exec=\"$prefix/bin/quorvel\"$" "$prefix/share/applications/quorvel.desktop" || fail "Exec line"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/quorvel.desktop"
fi

# A second installation keeps the player's book.
echo "1 2 3" >"$prefix/bin/data/QuorvelData.dat"
cmake --install "$build" --prefix "$prefix" >/dev/null
[ "$(cat "$prefix/bin/data/QuorvelData.dat")" = "1 2 3" ] || fail "reinstalling replaced the book"

out=$(cd / && QT_QPA_PLATFORM=offscreen "$prefix/bin/quorvel" --startup-check 2>/dev/null)
[ "$(printf '%s' "$out" | cut -f2)" = "$prefix/bin" ] || fail "installed window runs from '$out'"
echo "install layout ok: $out"
