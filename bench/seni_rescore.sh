#!/bin/sh
# The row rescoring benchmark: everyday sentences (bench/seni_sentences.txt, written
# for this and not part of the table's sources) and the do-no-harm rows (names, part
# numbers, Latin, digits, single kanji, rows in the 数字 and 英字 modes:
# bench/noharm_rows.txt) written as rows of distorted handwriting one character per
# box, recognised with the built system dictionary and read as recognised, after the
# transition rescoring and after the word rescoring, on the held-out seeds (the
# default seed and seed 2; the word weights were chosen on seed 1).
# Usage: bench/seni_rescore.sh BUILD_DIR [zkbench-seq options, e.g. --samples 3]
set -eu
build=${1:?usage: bench/seni_rescore.sh BUILD_DIR [zkbench-seq options]}
shift
here=$(dirname "$0")
dic="$build/data/Crecs.ptn"
table="$build/data/Senijish.dat"
for f in "$dic" "$table"; do
  [ -f "$f" ] || { echo "seni_rescore.sh: no $f; build with the data first (make build)" >&2; exit 2; }
done
out="$build/bench/seni"
mkdir -p "$out"
cat "$here/seni_sentences.txt" "$here/noharm_rows.txt" > "$out/rows.txt"
for seed in 20240801 2; do
  echo "-- seed $seed"
  "$build/bench/zkbench-seq" "$out/rows.txt" --seed "$seed" --samples 3 "$@" > "$out/rows-$seed.jsonl" 2>/dev/null
  HOME="$out" "$build/tools/zkrecog" --seq --dic "$dic" --seni "$table" \
    < "$out/rows-$seed.jsonl" > "$out/answers-$seed.jsonl" || true
  "$build/bench/zkbench-seqscore" < "$out/answers-$seed.jsonl"
done
echo "rows and answers in $out"
