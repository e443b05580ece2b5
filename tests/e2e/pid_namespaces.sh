#!/usr/bin/env bash
# pid_namespaces.sh QUORVEL_BATCH LANGUAGE_DIR: two programs that are both process 1, each in its
# own pid namespace (needs root; skipped, exit 77, otherwise), on one data folder: each keeps its
# own plan while the other starts, and each export holds its own attack.
set -u
batch=$1 languages=$2
if [ "$(id -u)" != 0 ] || ! unshare -p -f --mount-proc true 2>/dev/null; then
    echo "skipped: two pid namespaces need root and unshare -p"; exit 77
fi
home=$(mktemp -d)
trap 'exec 3>&-; rm -rf "$home"' EXIT
mkdir -p "$home/languages" "$home/data"
cp "$languages"/*_lang.dat "$home/languages/"
fail() { echo "FAILED: $*"; exit 1; }

# A remembers an attack on 100 rocket launchers and waits, its script still open.
mkfifo "$home/a.script"
unshare -p -f --mount-proc "$batch" --home "$home" "$home/a.script" > "$home/a.out" 2>&1 &
a=$!
exec 3> "$home/a.script"
printf 'set 1001 100\nset 1012 10\npress 1029\npress 1165\n' >&3
plan() { [ -n "$(find "$home/data" -name 'IRakAttackPlan-*.tmp' -size +0c)" ]; }
for _ in $(seq 100); do plan && break; sleep 0.1; done
plan || fail "A wrote no plan"

# B, also process 1, starts, attacks 10 light lasers and exports while A still runs.
printf 'set 1002 10\nset 1012 10\npress 1029\nanswer save b.txt\npress 1166\n' |
    unshare -p -f --mount-proc "$batch" --home "$home" > "$home/b.out" 2>&1 || fail "B: $(cat "$home/b.out")"

printf 'answer save a.txt\npress 1166\n' >&3
exec 3>&-
wait "$a" || fail "A: $(cat "$home/a.out")"

grep -qx 'Rocket Launcher 0 (-100)' "$home/a.txt" || fail "A's export lost A's attack: $(cat "$home/a.txt")"
grep -q 'Light Laser' "$home/a.txt" && grep -qx 'Light Laser 0 (\*)' "$home/a.txt" || fail "A's export holds B's attack"
grep -qx 'Light Laser 0 (-10)' "$home/b.txt" || fail "B's export lost B's attack: $(cat "$home/b.txt" 2>&1)"
echo "two windows as process 1: each exported its own attack"
