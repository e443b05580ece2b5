#!/bin/bash
# Start-up benchmark: `quorvel --startup-check` against the bare dialog, both on the real xcb
# platform of one Xvfb server, in pairs of ABBA order (bare, quorvel, quorvel, bare, ...) so that
# a drift of the machine falls on both alike. Each start gives four figures:
#   ready  time from the start to the ready line the program prints on its standard output,
#   exit   time from the start to the end of the process,
#   peak   peak memory (maximum RSS, GNU time %M),
#   cpu    processor time, user and system (no bar: it tells whether a change of the times is
#          the program's own work or a busy machine's waiting).
# Medians are compared; bars: ready at most 1.3x, peak at most 1.15x, exit at most 1.4x the bare
# dialog's.
#
#   bench/startup/run_startup_bench.sh build/default/bin/quorvel build/default/bin/bare_dialog [PAIRS]
#
# PAIRS defaults to 32; the bars are judged on at least 31. Needs bash, xvfb-run and GNU time
# (/usr/bin/time, Debian packages xvfb and time).
set -eu

if [ -z "${QUORVEL_BENCH_INSIDE_X:-}" ]; then
    [ $# -ge 2 ] || { echo "usage: $0 QUORVEL BARE_DIALOG [PAIRS]" >&2; exit 2; }
    for tool in xvfb-run /usr/bin/time; do
        command -v "$tool" >/dev/null || { echo "$tool is missing" >&2; exit 2; }
    done
    QUORVEL_BENCH_INSIDE_X=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

quorvel=$(realpath "$1")
bare=$(realpath "$2")
pairs=${3:-32}
unset QT_QPA_PLATFORM  # the real xcb platform of the Xvfb server
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT

# Microseconds since the epoch, without starting a process.
now_us() { local t=$EPOCHREALTIME; echo "${t/[.,]/}"; }

# Processor time in microseconds of the children this shell has waited for, from a file written
# by `times` (which has to run in this shell: in a subshell it would count the subshell's children).
children_cpu_us() {
    tail -n 1 "$1" | awk '{
        t = 0
        for (i = 1; i <= 2; ++i) { split($i, p, "m"); t += p[1] * 60 + substr(p[2], 1, length(p[2]) - 1) }
        printf "%d\n", t * 1000000 }'
}

# One start: "ready_ms exit_ms peak_KiB cpu_ms" appended to $results/<name>. The ready line is the
# first line the program writes; its time is taken when the reader gets it.
measure() {
    local name=$1 start ready end cpu
    shift
    rm -f "$results/ready" "$results/rss"
    times >"$results/times_before"
    start=$(now_us)
    /usr/bin/time -f "%M" -o "$results/rss" "$@" 2>/dev/null | {
        if IFS= read -r _; then now_us >"$results/ready"; fi
        while IFS= read -r _; do :; done  # the rest, without starting a process
    }
    end=$(now_us)
    times >"$results/times_after"
    cpu=$(( $(children_cpu_us "$results/times_after") - $(children_cpu_us "$results/times_before") ))
    [ -s "$results/ready" ] || { echo "$name printed no ready line" >&2; exit 1; }
    ready=$(cat "$results/ready")
    echo "$(( ready - start )) $(( end - start )) $(cat "$results/rss") $cpu" |
        awk '{ printf "%.3f %.3f %d %.3f\n", $1 / 1000, $2 / 1000, $3, $4 / 1000 }' >>"$results/$name"
}

run_bare() { measure "$1" "$bare"; }
run_quorvel() { measure "$1" "$quorvel" --startup-check; }

# A warm-up of each, so that both start with the libraries in the page cache.
run_bare warmup
run_quorvel warmup
for (( i = 0; i < pairs; ++i )); do
    if (( i % 2 == 0 )); then
        run_bare bare
        run_quorvel quorvel
    else
        run_quorvel quorvel
        run_bare bare
    fi
done

# "median q1 q3 min max" of a column (1 ready, 2 exit, 3 peak) of a results file.
summary() {
    cut -d' ' -f"$2" "$1" | sort -g | awk '
        function at(p,   k, f) { k = 1 + (NR - 1) * p; f = int(k); return v[f] + (k - f) * (v[f + 1] - v[f]) }
        { v[NR] = $1 }
        END { v[NR + 1] = v[NR]; print at(0.5), at(0.25), at(0.75), v[1], v[NR] }'
}

report() {  # label unit bar column (a bar of 0: no bar)
    local bare_stats quorvel_stats
    bare_stats=$(summary "$results/bare" "$4")
    quorvel_stats=$(summary "$results/quorvel" "$4")
    awk -v label="$1" -v unit="$2" -v bar="$3" -v b="$bare_stats" -v q="$quorvel_stats" 'BEGIN {
        split(b, bs, " "); split(q, qs, " ")
        scale = unit == "MiB" ? 1024 : 1
        form = "%s median %6.1f %s (IQR %.1f-%.1f, min %.1f, max %.1f)\n"
        printf form, sprintf("%-6s bare   ", label), bs[1] / scale, unit, bs[2] / scale, bs[3] / scale, bs[4] / scale, bs[5] / scale
        printf form, sprintf("%-6s quorvel", label), qs[1] / scale, unit, qs[2] / scale, qs[3] / scale, qs[4] / scale, qs[5] / scale
        ratio = qs[1] / bs[1]
        if (bar == 0) { printf "%-6s ratio   %.2f\n\n", label, ratio; exit 0 }
        printf "%-6s ratio   %.2f (bar %.2f)%s\n\n", label, ratio, bar, ratio <= bar ? "" : "  OVER THE BAR"
        exit ratio <= bar ? 0 : 1
    }'
}

echo "pairs: $pairs in ABBA order, after one warm-up each (Xvfb, xcb)"
echo
ok=1
report ready ms 1.30 1 || ok=0
report peak MiB 1.15 3 || ok=0
report exit ms 1.40 2 || ok=0
report cpu ms 0 4
if (( pairs < 31 )); then
    echo "result: fewer than 31 pairs, not judged"
    exit 1
fi
if (( ok )); then echo "result: within all three bars"; else echo "result: OVER A BAR"; exit 1; fi
