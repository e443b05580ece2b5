#!/bin/sh
# Runs window_manager_fit_test on the xcb platform under Xvfb and openbox, once per screen a player
# may have: 1366x768, and 1920x1080 at scale 1.5 and 2. Skips (status 77) without Xvfb or openbox.
#   window_manager_fit.sh WINDOW_MANAGER_FIT_TEST
set -u
for tool in Xvfb openbox; do
    command -v "$tool" >/dev/null || { echo "window manager fit: skipped, no $tool (apt-get install xvfb openbox)"; exit 77; }
done
work=$(mktemp -d)
pids=""
stop() { [ -n "$pids" ] && kill $pids 2>/dev/null; wait 2>/dev/null; pids=""; }
trap 'stop; rm -rf "$work"' EXIT
# Waits up to 10 s for the file $1.
await() { for _ in $(seq 100); do [ -s "$1" ] && return 0; sleep 0.1; done; return 1; }

status=0
for screen in 1366x768:1 1920x1080:1.5 1920x1080:2; do
    echo "screen ${screen%%:*} at scale ${screen#*:}"
    rm -f "$work/display" "$work/ready"
    Xvfb -displayfd 3 -screen 0 "${screen%%:*}x24" -nolisten tcp 3>"$work/display" 2>/dev/null &
    pids=$!
    await "$work/display" || { echo "window manager fit: Xvfb did not start"; exit 1; }
    export DISPLAY=":$(cat "$work/display")"
    # openbox runs its start-up command once it manages the screen.
    openbox --startup "sh -c 'echo up >$work/ready'" >/dev/null 2>&1 &
    pids="$pids $!"
    await "$work/ready" || { echo "window manager fit: openbox did not start"; exit 1; }
    env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="${screen#*:}" "$1" || status=1
    stop
done
exit $status
