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
# dialog's, in every round.
#
#   bench/startup/run_startup_bench.sh build/default/bin/quorvel build/default/bin/bare_dialog [PAIRS [ROUNDS]]
#
# PAIRS defaults to 32 and ROUNDS to 3; the bars are judged on at least 31 pairs. Each round
# reports its medians; the summary gives every round's ratios and their spread. A busy machine adds
# the same waiting to both programs and hides the difference: the load average is printed before
# and after, and a warning says when it was above 0.5 before (figures that count come from a quiet
# machine; after the run the benchmark's own starts count in it, so the warning comes above 1.5).
# Needs bash, xvfb-run and GNU time (/usr/bin/time, Debian packages xvfb and time).
set -eu

usage="[PAIRS [ROUNDS]]"
tools=/usr/bin/time
. "$(dirname "$0")/on_xvfb.sh"
pairs=${3:-32}
rounds=${4:-3}

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

# One start: "ready_ms exit_ms peak_KiB cpu_ms" appended to $work/<name>. The ready line is the
# first line the program writes; its time is taken when the reader gets it.
measure() {
    local name=$1 start ready end cpu
    shift
    rm -f "$work/ready" "$work/rss"
    times >"$work/times_before"
    start=$(now_us)
    /usr/bin/time -f "%M" -o "$work/rss" "$@" 2>/dev/null | {
        if IFS= read -r _; then now_us >"$work/ready"; fi
        while IFS= read -r _; do :; done  # the rest, without starting a process
    }
    end=$(now_us)
    times >"$work/times_after"
    cpu=$(( $(children_cpu_us "$work/times_after") - $(children_cpu_us "$work/times_before") ))
    [ -s "$work/ready" ] || { echo "$name printed no ready line" >&2; exit 1; }
    ready=$(cat "$work/ready")
    echo "$(( ready - start )) $(( end - start )) $(cat "$work/rss") $cpu" |
        awk '{ printf "%.3f %.3f %d %.3f\n", $1 / 1000, $2 / 1000, $3, $4 / 1000 }' >>"$work/$name"
}

run_bare() { measure "$1" "$bare"; }
run_quorvel() { measure "$1" "$quorvel" --startup-check; }

# The one-minute load average, and a warning above the limit: 0.5 before the run; after it, the
# benchmark's own starts (one process at a time) count in it too, so 1.5.
load_average() {  # when limit
    local load
    load=$(cut -d' ' -f1 /proc/loadavg)
    echo "load average ($1): $load"
    awk -v l="$load" -v limit="$2" 'BEGIN { exit l > limit ? 0 : 1 }' &&
        echo "WARNING: load average above $2: the machine is not quiet, these figures do not count"
    return 0
}

# "median q1 q3 min max" of a column (1 ready, 2 exit, 3 peak, 4 cpu) of a results file.
summary() {
    cut -d' ' -f"$2" "$1" | sort -g | awk '
        function at(p,   k, f) { k = 1 + (NR - 1) * p; f = int(k); return v[f] + (k - f) * (v[f + 1] - v[f]) }
        { v[NR] = $1 }
        END { v[NR + 1] = v[NR]; print at(0.5), at(0.25), at(0.75), v[1], v[NR] }'
}

# One figure of one round: both programs' medians with their spread, and the ratio, which is
# appended to $work/ratios.<label>.
report() {  # round label unit column
    local bare_stats quorvel_stats
    bare_stats=$(summary "$work/$1/bare" "$4")
    quorvel_stats=$(summary "$work/$1/quorvel" "$4")
    awk -v label="$2" -v unit="$3" -v b="$bare_stats" -v q="$quorvel_stats" 'BEGIN {
        split(b, bs, " "); split(q, qs, " ")
        scale = unit == "MiB" ? 1024 : 1
        form = "%s median %6.1f %s (IQR %.1f-%.1f, min %.1f, max %.1f)\n"
        printf form, sprintf("%-6s bare   ", label), bs[1] / scale, unit, bs[2] / scale, bs[3] / scale, bs[4] / scale, bs[5] / scale
        printf form, sprintf("%-6s quorvel", label), qs[1] / scale, unit, qs[2] / scale, qs[3] / scale, qs[4] / scale, qs[5] / scale
        printf "%-6s ratio   %.2f\n", label, qs[1] / bs[1]
    }'
    awk -v b="$bare_stats" -v q="$quorvel_stats" 'BEGIN { split(b, bs, " "); split(q, qs, " "); printf "%.3f\n", qs[1] / bs[1] }' \
        >>"$work/ratios.$2"
}

# A figure over all rounds: every round's ratio, their spread, and whether each is within the bar.
judge() {  # label bar (0: no bar)
    awk -v label="$1" -v bar="$2" '
        { r[NR] = $1; line = line sprintf(" %.2f", $1); if (NR == 1 || $1 < lo) lo = $1; if (NR == 1 || $1 > hi) hi = $1 }
        END {
            over = 0
            for (i = 1; i <= NR; ++i) if (bar > 0 && r[i] > bar) over = 1
            printf "%-6s ratios%s (spread %.2f)", label, line, hi - lo
            if (bar == 0) { printf "\n"; exit 0 }
            printf " bar %.2f%s\n", bar, over ? "  OVER THE BAR" : ""
            exit over
        }' "$work/ratios.$1"
}

echo "pairs: $pairs a round in ABBA order, $rounds rounds, after one warm-up each (Xvfb, xcb)"
load_average before 0.5
echo

# A warm-up of each, so that both start with the libraries in the page cache.
mkdir -p "$work/warmup"
measure warmup/bare "$bare"
measure warmup/quorvel "$quorvel" --startup-check
for (( round = 1; round <= rounds; ++round )); do
    mkdir -p "$work/$round"
    for (( i = 0; i < pairs; ++i )); do
        if (( i % 2 == 0 )); then
            run_bare "$round/bare"
            run_quorvel "$round/quorvel"
        else
            run_quorvel "$round/quorvel"
            run_bare "$round/bare"
        fi
    done
    echo "round $round"
    report "$round" ready ms 1
    report "$round" peak MiB 3
    report "$round" exit ms 2
    report "$round" cpu ms 4
    echo
done

load_average "after, the benchmark's own starts included" 1.5
echo
ok=1
judge ready 1.30 || ok=0
judge peak 1.15 || ok=0
judge exit 1.40 || ok=0
judge cpu 0
if (( pairs < 31 )); then
    echo "result: fewer than 31 pairs, not judged"
    exit 1
fi
if (( ok )); then echo "result: every round within all three bars"; else echo "result: OVER A BAR"; exit 1; fi
