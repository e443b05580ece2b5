#!/usr/bin/env bash
# Runs one end-to-end batch script and compares what it printed with the expected output.
#   run_batch.sh QUORVEL_BATCH LANGUAGE_DIR SCRIPT.batch
# The program runs in a fresh home folder holding the shipped languages/ and an empty data/; the
# contents of SCRIPT.home/, if it exists, are copied over it first. After the run, every file in
# the home folder except the language files is printed after a line "--- FILE <path>", so the
# expected output also fixes what the program wrote to disk; the process number in the name of a
# window's own plan file is shown as PID. The exit status follows as "--- EXIT n".
set -u
batch=$1 languages=$2 script=$3
expected=${script%.batch}.expected
seed=${script%.batch}.home

home=$(mktemp -d)
actual=$(mktemp)
trap 'chmod -R u+w "$home"; rm -rf "$home" "$actual"' EXIT
mkdir -p "$home/languages" "$home/data"
cp "$languages"/*_lang.dat "$home/languages/"
[ -d "$seed" ] && cp -R "$seed"/. "$home"/

(
  cd "$home" || exit 99
  "$batch" --home "$home" "$script" 2>&1
  echo "--- EXIT $?"
  find . -path ./languages -prune -o -type f -print | LC_ALL=C sort | while read -r f; do
    printf -- '--- FILE %s\n' "$(printf '%s' "${f#./}" | sed 's/IRakAttackPlan-[0-9]*-[0-9a-f]*\.tmp$/IRakAttackPlan-PID.tmp/')"
    cat "$f"
    [ -s "$f" ] && [ "$(tail -c 1 "$f" | od -An -c | tr -d ' ')" != '\n' ] && printf '\n\\ no newline at end of file\n'
  done
) > "$actual"
if [ "${UPDATE_EXPECTED:-0}" = 1 ]; then
  cp "$actual" "$expected"
  exit 0
fi
if ! diff -u "$expected" "$actual"; then
  echo "FAILED: $script differs from $expected" >&2
  exit 1
fi
