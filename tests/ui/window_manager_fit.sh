#!/bin/sh
# Runs the window-manager fit test on the xcb platform under Xvfb and openbox, once per screen a
# player may have: 1366x768, and 1920x1080 at scale 1.5 and 2. Skips (status 77) when Xvfb or
# openbox is missing (Debian packages xvfb and openbox).
#   window_manager_fit.sh WINDOW_MANAGER_FIT_TEST
set -u
test_exe="$1"
for tool in Xvfb openbox; do
    if ! command -v "$tool" >/dev/null; then
        echo "window manager fit: skipped, $tool is not installed (apt-get install xvfb openbox)"
        exit 77
    fi
done
work=$(mktemp -d)
server=""
manager=""
stop() {
    [ -n "$manager" ] && kill "$manager" 2>/dev/null
    [ -n "$server" ] && kill "$server" 2>/dev/null
    wait 2>/dev/null
    server=""
    manager=""
}
trap 'stop; rm -rf "$work"' EXIT

# Starts Xvfb with a screen of $1 on a free display and openbox on it; false when either fails.
start() {
    rm -f "$work/display" "$work/ready"
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    server=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || { cat "$work/xvfb.log"; return 1; }
    DISPLAY=:$(cat "$work/display")
    export DISPLAY
    # openbox runs its start-up command once it manages the screen.
    openbox --startup "touch $work/ready" >"$work/openbox.log" 2>&1 &
    manager=$!
    for _ in $(seq 100); do [ -e "$work/ready" ] && break; sleep 0.1; done
    [ -e "$work/ready" ] || { cat "$work/openbox.log"; return 1; }
}

status=0
for screen in 1366x768:1 1920x1080:1.5 1920x1080:2; do
    size=${screen%%:*}
    scale=${screen#*:}
    echo "screen $size at scale $scale"
    if ! start "$size"; then
        echo "window manager fit: could not start Xvfb and openbox at $size"
        exit 1
    fi
    env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" "$test_exe" || status=1
    stop
done
exit $status
