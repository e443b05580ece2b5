# Sourced by the start-up benchmarks, with their arguments QUORVEL BARE_DIALOG ...; `usage` names
# the arguments after the two programs, `tools` what the script needs besides xvfb-run. Outside X
# it checks both and runs the script again inside an Xvfb server; there it sets quorvel and bare to
# the two programs' full paths and work to a folder removed on exit, and leaves both programs the
# real xcb platform of the server.
if [ -z "${QUORVEL_BENCH_INSIDE_X:-}" ]; then
    [ $# -ge 2 ] || { echo "usage: $0 QUORVEL BARE_DIALOG $usage" >&2; exit 2; }
    for tool in $tools xvfb-run; do
        command -v "$tool" >/dev/null || { echo "$tool is missing" >&2; exit 2; }
    done
    QUORVEL_BENCH_INSIDE_X=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

quorvel=$(realpath "$1")
bare=$(realpath "$2")
unset QT_QPA_PLATFORM
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
