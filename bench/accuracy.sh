#!/bin/sh
# The accuracy benchmark: distorted samples of every reference form (zkbench-gen),
# recognised by zkrecog with the built system dictionary, scored per group
# (zkbench-score). Usage: bench/accuracy.sh BUILD_DIR [zkbench-gen options]
# For example `bench/accuracy.sh build --classes hiragana,katakana --kanji-stride 4`.
set -eu
build=${1:?usage: bench/accuracy.sh BUILD_DIR [zkbench-gen options]}
shift
dic="$build/data/Crecs.ptn"
[ -f "$dic" ] || { echo "accuracy.sh: no $dic; build with the data first (make build)" >&2; exit 2; }
out="$build/bench/accuracy"
mkdir -p "$out"
start=$(date +%s)
"$build/bench/zkbench-gen" "$@" > "$out/samples.jsonl"
# The engine runs on one core; the empty user dictionary keeps the figures the
# system dictionary's own.
HOME="$out" "$build/tools/zkrecog" --dic "$dic" --user-dic "$out/none.upt" \
  < "$out/samples.jsonl" > "$out/answers.jsonl" || true
"$build/bench/zkbench-score" < "$out/answers.jsonl"
echo "dictionary: $(wc -c < "$dic") bytes; run took $(( $(date +%s) - start )) s; samples and answers in $out"
