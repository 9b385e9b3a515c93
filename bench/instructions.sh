#!/bin/sh
# Instructions per recognition, counted by callgrind: the speed figure that other
# programs on the machine do not disturb. zkrecog ends one callgrind profile per
# writing; this prints the median, 95th percentile and mean of their counts.
# Usage: bench/instructions.sh BUILD_DIR SAMPLES.jsonl [zkrecog options]
# For example:
#   build/bench/zkbench-gen --classes kanji --kanji-stride 20 > kanji.jsonl
#   bench/instructions.sh build kanji.jsonl
set -eu
build=${1:?usage: bench/instructions.sh BUILD_DIR SAMPLES.jsonl [zkrecog options]}
samples=${2:?usage: bench/instructions.sh BUILD_DIR SAMPLES.jsonl [zkrecog options]}
shift 2
command -v valgrind > /dev/null || { echo "instructions.sh: valgrind is not installed" >&2; exit 2; }
dic="$build/data/Crecs.ptn"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
: > "$work/none.upt"
valgrind --tool=callgrind --toggle-collect='*ZkCRecognize*' --callgrind-out-file="$work/cg" \
  "$build/tools/zkrecog" --dic "$dic" --user-dic "$work/none.upt" "$@" < "$samples" > /dev/null 2> "$work/log" \
  || { tail -5 "$work/log" >&2; exit 1; }
# cg.1, cg.2, ... hold one recognition each; cg (the end of the run) holds none.
for f in "$work"/cg.*; do sed -n 's/^summary: //p' "$f"; done | sort -n | awk '
  { v[NR] = $1; sum += $1 }
  END {
    if (NR == 0) { print "instructions.sh: no recognitions counted"; exit 1 }
    m = int((NR + 1) / 2); p = int(0.95 * NR + 0.999999); if (p < 1) p = 1
    printf "writings %d, instructions per writing: median %d, p95 %d, mean %d\n", NR, v[m], v[p], sum / NR
  }'
