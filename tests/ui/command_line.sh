#!/bin/sh
# --help and --version of both executables in the conventional form: text on standard output and
# status 0, without a display; an unknown option or --home without a folder: what is wrong and the
# usage on standard error and status 2, with or without a display.
#   command_line.sh QUORVEL QUORVEL_BATCH
set -eu
fail() { echo "command line: $*"; exit 1; }
for exe in "$1" "$2"; do
    name=$(basename "$exe")
    help=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$exe" --help) || fail "$name --help failed"
    printf '%s\n' "$help" | head -1 | grep -q "^Usage: $name " || fail "$name --help: no usage line"
    printf '%s\n' "$help" | grep -q "^Mode: portable" || fail "$name --help: no mode"
    printf '%s\n' "$help" | grep -q "^  --version" || fail "$name --help: no options"
    home_help=$("$exe" --help --home /tmp/elsewhere)
    printf '%s\n' "$home_help" | grep -q "^  /tmp/elsewhere/data$" || fail "$name --help ignores --home"
    version=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$exe" --version) || fail "$name --version failed"
    printf '%s\n' "$version" | head -1 | grep -Eq "^$name [0-9]+\.[0-9]+\.[0-9]+[a-z]?$" || fail "$name --version: '$version'"
    printf '%s\n' "$version" | grep -q "GPL-3.0-or-later" || fail "$name --version: no license"
    status=0
    err=$(QT_QPA_PLATFORM=offscreen "$exe" --no-such-option 2>&1 >/dev/null </dev/null) || status=$?
    [ "$status" -eq 2 ] || fail "$name --no-such-option: status $status"
    printf '%s\n' "$err" | grep -q "^Usage: $name " || fail "$name --no-such-option: no usage on stderr"
    # Without a display too, the bad option is named before anything needs one.
    for bad in "--frobnicate:unknown option: --frobnicate" "--home:--home needs a folder"; do
        status=0
        err=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$exe" "${bad%%:*}" 2>&1 >/dev/null </dev/null) || status=$?
        [ "$status" -eq 2 ] || fail "$name ${bad%%:*} without a display: status $status"
        printf '%s\n' "$err" | grep -qx "$name: ${bad#*:}" || fail "$name ${bad%%:*}: '$err'"
    done
done
echo "command line ok"
