#!/bin/bash
# Start-up profile in figures that a busy machine does not change: the instructions of
# `quorvel --startup-check` and of the bare dialog under callgrind, split at the ready line, by
# part of the start, and their peak memory. The timing benchmark (run_startup_bench.sh) needs a
# quiet machine; this one does not.
#
#   bench/startup/profile_startup.sh build/default/bin/quorvel build/default/bin/bare_dialog [RUNS]
#
# Both run on the real xcb platform of one Xvfb server. The parts are inclusive and overlap: the
# fonts are loaded inside the first widget that measures a text, the layout and the text shaping
# run inside the window's construction and its first show. RUNS (9) starts give the median peak
# memory (maximum RSS, GNU time %M). Needs valgrind, xvfb-run and /usr/bin/time.
set -eu

usage="[RUNS]"
tools="valgrind callgrind_annotate /usr/bin/time"
. "$(dirname "$0")/on_xvfb.sh"
runs=${3:-9}

# name|pattern of the function whose inclusive instructions give the part ("" for the whole part)
parts=(
    "to ready|"
    "  linking and library set-up|@outside-main"
    "  threads besides the main one|start_thread"
    "    of which font configuration|FcInit"
    "  QApplication|QApplication::QApplication(int&, char**, int)"
    "  fonts (fontconfig, font list)|QFontDatabasePrivate::ensureFontDatabase()"
    "  window built|quorvel::QuorvelWindow::QuorvelWindow()"
    "  start-up logic (language, session)|quorvel::CSimulatorDlg::OnMainWindowInit("
    "  first show|QWidget::setVisible(bool)"
    "  layout|QLayout::activate()"
    "  text shaping|QTextEngine::shapeText(int) const"
    "  icons (decode, X conversion)|@icons"
    "  accessibility|QAccessible::updateAccessibility(QAccessibleEvent*)"
    "  book watcher|quorvel::WatchBookFile("
    "ready to exit|"
    "  session write|quorvel::WorkPanel::SaveSession() const"
    "  window destroyed|quorvel::QuorvelWindow::~QuorvelWindow()"
    "  QApplication destroyed|QApplication::~QApplication()"
    "  exit handlers|exit"
)

# Inclusive instructions of every function of one part: "count<TAB>function".
inclusive() {
    callgrind_annotate --inclusive=yes --threshold=100 "$1" 2>/dev/null |
        sed -n 's/^ *\([0-9,]*\) ([ 0-9.]*%)  [^:]*:\(.*\) \[.*\]$/\1\t\2/p' |
        awk -F'\t' -v OFS='\t' '{ gsub(",", "", $1); print }'
}

# One program: callgrind split where the ready line has been printed and the window is done.
profile() {
    local name=$1
    shift
    (cd "$work" && valgrind --tool=callgrind --dump-before='QDialog::done(int)' \
        --callgrind-out-file="$work/$name.cg" "$@" >/dev/null 2>"$work/$name.log")
    local ready exit
    ready=$(ls "$work/$name.cg".* 2>/dev/null | head -1)
    exit="$work/$name.cg"
    [ -n "$ready" ] || { echo "$name: no ready part (see $work/$name.log)" >&2; cat "$work/$name.log" >&2; exit 1; }
    inclusive "$ready" >"$work/$name.ready"
    inclusive "$exit" >"$work/$name.exit"
    grep -h '^summary:' "$ready" | cut -d' ' -f2 >"$work/$name.ready.total"
    grep -h '^summary:' "$exit" | cut -d' ' -f2 >"$work/$name.exit.total"
}

# The figure of one part for one program, in instructions.
figure() {
    local name=$1 phase=$2 pattern=$3 file
    file="$work/$name.$phase"
    case "$pattern" in
        "") cat "$file.total" ;;
        @outside-main)  # neither in main nor on another thread
            local main threads
            main=$(awk -F'\t' '$2 == "main" { print $1; exit }' "$file")
            threads=$(figure "$name" "$phase" start_thread)
            echo $(( $(cat "$file.total") - ${main:-0} - threads )) ;;
        @icons)
            awk -F'\t' 'index($2, "quorvel::ProgramIcon()") == 1 || index($2, "QXcbWindow::setWindowIcon(") == 1 \
                        || index($2, "quorvel::AboutIcon(") == 1 { n += $1 } END { print n + 0 }' "$file" ;;
        exit)
            awk -F'\t' '$2 == "exit" { print $1; f = 1; exit } END { if (!f) print 0 }' "$file" ;;
        *)  # the largest entry: inlined pieces and recursion are listed apart, and inside it
            awk -F'\t' -v p="$pattern" 'index($2, p) == 1 && $1 > n { n = $1 } END { print n + 0 }' "$file" ;;
    esac
}

profile bare "$bare"
profile quorvel "$quorvel" --startup-check

peak() {  # median maximum RSS in KiB of RUNS starts
    for (( i = 0; i < runs; ++i )); do
        /usr/bin/time -f "%M" -o "$work/rss" "$@" >/dev/null 2>&1
        cat "$work/rss"
    done | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}
bare_peak=$(peak "$bare")
quorvel_peak=$(peak "$quorvel" --startup-check)

printf '%-40s %12s %12s\n' "instructions (millions)" bare quorvel
phase=ready
for part in "${parts[@]}"; do
    label=${part%%|*}
    pattern=${part#*|}
    [ "$label" = "ready to exit" ] && phase=exit
    b=$(figure bare "$phase" "$pattern")
    q=$(figure quorvel "$phase" "$pattern")
    awk -v l="$label" -v b="$b" -v q="$q" 'BEGIN { printf "%-40s %12.2f %12.2f\n", l, b / 1e6, q / 1e6 }'
done
awk -v b="$(cat "$work/bare.ready.total")" -v q="$(cat "$work/quorvel.ready.total")" \
    -v bt="$(figure bare ready start_thread)" -v qt="$(figure quorvel ready start_thread)" \
    -v be="$(cat "$work/bare.exit.total")" -v qe="$(cat "$work/quorvel.exit.total")" 'BEGIN {
        printf "%-40s %12.2f %12.2f\n", "whole run", (b + be) / 1e6, (q + qe) / 1e6
        printf "%-40s %25.2f\n", "ratio to ready", q / b
        printf "%-40s %12.2f %12.2f\n", "to ready, main thread only", (b - bt) / 1e6, (q - qt) / 1e6
        printf "%-40s %25.2f\n", "ratio whole run", (q + qe) / (b + be) }'
awk -v b="$bare_peak" -v q="$quorvel_peak" -v n="$runs" 'BEGIN {
    printf "%-40s %12.1f %12.1f\n", "peak memory (MiB, median of " n ")", b / 1024, q / 1024
    printf "%-40s %25.2f\n", "ratio peak memory", q / b }'
