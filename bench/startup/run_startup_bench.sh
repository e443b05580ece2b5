#!/bin/sh
# Start-up benchmark: runs `quorvel --startup-check` and the bare dialog alternately under one
# Xvfb server and compares their median wall time and median peak memory (RSS).
# Bars: Quorvel at most 1.5x the bare dialog's time and at most 1.3x its memory.
#
#   bench/startup/run_startup_bench.sh build/default/bin/quorvel build/default/bin/bare_dialog [RUNS]
#
# Needs xvfb-run and GNU time (/usr/bin/time, Debian packages xvfb and time).
set -eu

if [ -z "${QUORVEL_BENCH_INSIDE_X:-}" ]; then
    [ $# -ge 2 ] || { echo "usage: $0 QUORVEL BARE_DIALOG [RUNS]" >&2; exit 2; }
    for tool in xvfb-run /usr/bin/time; do
        command -v "$tool" >/dev/null || { echo "$tool is missing" >&2; exit 2; }
    done
    QUORVEL_BENCH_INSIDE_X=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

quorvel=$(realpath "$1")
bare=$(realpath "$2")
runs=${3:-15}
unset QT_QPA_PLATFORM  # the real xcb platform of the Xvfb server
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT

# One start: wall time in milliseconds and peak RSS in KiB, appended to $results/<name>.
measure() {
    name=$1
    shift
    start=$(date +%s%N)
    /usr/bin/time -f "%M" -o "$results/rss" "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    echo "$(( (end - start) / 1000000 )) $(cat "$results/rss")" >>"$results/$name"
}

# A warm-up of each, so that both start with the libraries in the page cache.
measure warmup "$bare"
measure warmup "$quorvel" --startup-check
i=0
while [ "$i" -lt "$runs" ]; do
    measure bare "$bare"
    measure quorvel "$quorvel" --startup-check
    i=$((i + 1))
done

median() {  # column 1 (time) or 2 (RSS) of a results file
    cut -d' ' -f"$2" "$1" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

bare_ms=$(median "$results/bare" 1)
quorvel_ms=$(median "$results/quorvel" 1)
bare_kb=$(median "$results/bare" 2)
quorvel_kb=$(median "$results/quorvel" 2)

awk -v runs="$runs" -v bt="$bare_ms" -v qt="$quorvel_ms" -v bm="$bare_kb" -v qm="$quorvel_kb" 'BEGIN {
    time_ratio = qt / bt
    memory_ratio = qm / bm
    printf "runs each:          %d (alternating, after one warm-up each)\n", runs
    printf "median wall time:   bare dialog %.0f ms, quorvel %.0f ms, ratio %.2f (bar 1.50)\n", bt, qt, time_ratio
    printf "median peak RSS:    bare dialog %.0f KiB, quorvel %.0f KiB, ratio %.2f (bar 1.30)\n", bm, qm, memory_ratio
    ok = time_ratio <= 1.5 && memory_ratio <= 1.3
    print ok ? "result:             within both bars" : "result:             OVER A BAR"
    exit ok ? 0 : 1
}'
