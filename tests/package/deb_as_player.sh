#!/bin/sh
# Unpacks the Debian package into a temporary root (nothing is installed on the machine), makes it
# read-only and runs the unpacked quorvel-batch as an ordinary player whose home is an empty folder:
# a start position saved and a language chosen must both be there at the next start, kept under
# ~/.local/share/quorvel, or under $XDG_DATA_HOME/quorvel when that is set; a language file of the
# player's wins over the installed one; --home overrides both. The window (offscreen) opens the loss
# curve window from the chart module in the package's library folder.
#   deb_as_player.sh PACKAGE.deb
set -eu
deb=$1
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"
dpkg-deb -x "$deb" "$work/root"
chmod -R a-w "$work/root"
batch="$work/root/usr/bin/quorvel-batch"

# As root, run as nobody: root may write anywhere, a player may not.
as_player() { "$@"; }
if [ "$(id -u)" -eq 0 ]; then
    as_player() { setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; }
fi
fresh_folder() {
    mkdir -p "$1"
    [ "$(id -u)" -eq 0 ] && chown 65534:65534 "$1"
    return 0
}
fail() { echo "package as player: $*"; exit 1; }
run() {  # run HOME XDG_DATA_HOME [ARGS...] < script
    h=$1 x=$2
    shift 2
    if [ -n "$x" ]; then
        as_player env -i HOME="$h" XDG_DATA_HOME="$x" "$batch" "$@"
    else
        as_player env -i HOME="$h" "$batch" "$@"
    fi
}

first='set 1087 1
set 1089 100
set 1090 7
press 1122
answer language 1
press 1096
get 1124'
again='list 1114
get 1124'

# Default folder: ~/.local/share/quorvel, created on first use.
fresh_folder "$work/home"
run "$work/home" "" --help | grep -q "^Mode: installed" || fail "--help does not say installed"
printf '%s\n' "$first" | run "$work/home" "" | grep -q "^1124	Raketenwerfer$" || fail "language not applied"
out=$(printf '%s\n' "$again" | run "$work/home" "")
printf '%s\n' "$out" | grep -q "^1114:0	1:100:7$" || fail "saved position lost: $out"
printf '%s\n' "$out" | grep -q "^1124	Raketenwerfer$" || fail "language choice lost: $out"
player="$work/home/.local/share/quorvel"
[ "$(cat "$player/QuorvelData.dat")" = "1 100 7" ] || fail "book not in $player"
[ -s "$player/LanguageSave.dat" ] || fail "language choice not in $player"

# $XDG_DATA_HOME, and a language file of the player's over the installed one.
fresh_folder "$work/home2"
fresh_folder "$work/xdg"
printf '%s\n' "$first" | run "$work/home2" "$work/xdg" >/dev/null
[ -s "$work/xdg/quorvel/QuorvelData.dat" ] || fail "book not under XDG_DATA_HOME"
[ -e "$work/home2/.local" ] && fail "wrote under HOME although XDG_DATA_HOME is set"
mkdir -p "$work/xdg/quorvel/languages"
sed 's/^Raketenwerfer$/Raketenwerfer (eigene Datei)/' "$work/root/usr/share/quorvel/languages/ger_lang.dat" \
    >"$work/xdg/quorvel/languages/ger_lang.dat"
[ "$(id -u)" -eq 0 ] && chown -R 65534:65534 "$work/xdg"
printf '%s\n' "$again" | run "$work/home2" "$work/xdg" | grep -q "^1124	Raketenwerfer (eigene Datei)$" ||
    fail "the player's language file does not win"

# --home over the installed mode.
fresh_folder "$work/own"
mkdir -p "$work/own/languages" "$work/own/data"
cp "$work/root/usr/share/quorvel/languages/"*_lang.dat "$work/own/languages/"
[ "$(id -u)" -eq 0 ] && chown -R 65534:65534 "$work/own"
printf '%s\n' "$first" | run "$work/home2" "$work/xdg" --home "$work/own" >/dev/null
[ "$(cat "$work/own/data/QuorvelData.dat")" = "1 100 7" ] || fail "--home not used"
# The window finds its chart module in the installed layout and opens the loss curve window.
out=$(as_player env -i HOME="$work/home" QT_QPA_PLATFORM=offscreen "$work/root/usr/bin/quorvel" --check-chart \
      2>"$work/chart.err") || fail "the chart does not open: $(cat "$work/chart.err")"
printf '%s\n' "$out" | grep -q "^chart	$work/root/usr/lib/.*quorvel/libquorvel_chart.so$" ||
    fail "the chart module is not the installed one: $out"
echo "package as player ok"
