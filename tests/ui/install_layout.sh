#!/bin/sh
# Installs the build into a fresh prefix and checks the Linux layout (executables, languages under
# share/quorvel, desktop entry, metainfo, icons, man pages, documents), then starts the installed
# window from another folder: it keeps the player's files under $HOME/.local/share/quorvel and opens
# the loss curve window from the installed chart module. Then the portable component: one folder
# with the executables, the chart module, languages/ and an empty book, which a second installation
# keeps, and which the window uses as it is.
set -eu
build="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
id=io.github.quorvel.Quorvel
fail() { echo "install layout: $*"; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/quorvel bin/quorvel-batch share/quorvel/languages/eng_lang.dat \
         share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg share/man/man1/quorvel.1.gz \
         share/man/man1/quorvel-batch.1.gz share/doc/quorvel/LICENSE share/doc/quorvel/README.md; do
    [ -e "$prefix/$f" ] || fail "$f missing"
done
for size in 16 32 48 64 128 256; do
    [ -e "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png" ] || fail "icon $size missing"
done
[ -e "$prefix/bin/data" ] || [ -e "$prefix/bin/languages" ] && fail "player's folders installed into bin/"
grep -q "^Exec=$prefix/bin/quorvel$" "$prefix/share/applications/$id.desktop" || fail "Exec line"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/$id.desktop"
fi
mkdir "$work/home"
out=$(cd / && HOME="$work/home" XDG_DATA_HOME= QT_QPA_PLATFORM=offscreen "$prefix/bin/quorvel" --check-chart 2>/dev/null)
line1=$(printf '%s\n' "$out" | head -1)
[ "$(printf '%s' "$line1" | cut -f2)" = "$work/home/.local/share/quorvel" ] || fail "installed window runs in '$out'"
[ "$(printf '%s' "$line1" | cut -f3)" = "&Simulate" ] || fail "installed window found no language: '$out'"
printf '%s\n' "$out" | grep -q "^chart	$prefix/lib/.*quorvel/libquorvel_chart.so$" || fail "installed chart: '$out'"

portable="$work/portable"
cmake --install "$build" --component portable --prefix "$portable" >/dev/null
for f in quorvel quorvel-batch libquorvel_chart.so languages/eng_lang.dat data/QuorvelData.dat LICENSE; do
    [ -e "$portable/$f" ] || fail "portable $f missing"
done
[ -s "$portable/data/QuorvelData.dat" ] && fail "the installed book is not empty"
echo "1 2 3" >"$portable/data/QuorvelData.dat"
cmake --install "$build" --component portable --prefix "$portable" >/dev/null
[ "$(cat "$portable/data/QuorvelData.dat")" = "1 2 3" ] || fail "reinstalling replaced the book"
out=$(cd / && QT_QPA_PLATFORM=offscreen "$portable/quorvel" --check-chart 2>/dev/null)
[ "$(printf '%s\n' "$out" | head -1 | cut -f2)" = "$portable" ] || fail "portable window runs in '$out'"
printf '%s\n' "$out" | grep -q "^chart	$portable/libquorvel_chart.so$" || fail "portable chart: '$out'"
echo "install layout ok"
