#!/bin/sh
# The transition rescoring benchmark: everyday sentences (bench/seni_sentences.txt,
# written for this and not part of the table's sources) written as rows of
# distorted handwriting, recognised character by character with the built system
# dictionary, and read before and after rescoring with the built transition table.
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
"$build/bench/zkbench-seq" "$here/seni_sentences.txt" "$@" > "$out/rows.jsonl"
HOME="$out" "$build/tools/zkrecog" --seq --dic "$dic" --seni "$table" --user-dic "$out/none.upt" \
  < "$out/rows.jsonl" > "$out/answers.jsonl" || true
"$build/bench/zkbench-seqscore" < "$out/answers.jsonl"
echo "rows and answers in $out"
