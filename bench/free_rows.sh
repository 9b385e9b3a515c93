#!/bin/sh
# The free-writing benchmark: the everyday sentences of bench/seni_sentences.txt
# written across the screen (zkbench-rows), read through the pad's variable frame,
# segmentation, recognition and rescoring with the built dictionaries, with the
# frame's guess alone and with the segmentation's alternatives, on the held-out seeds
# (the default seed and seed 2; the settings were chosen on seed 1).
# Usage: bench/free_rows.sh BUILD_DIR [zkbench-rows options, e.g. --samples 8]
set -eu
build=${1:?usage: bench/free_rows.sh BUILD_DIR [zkbench-rows options]}
shift
here=$(dirname "$0")
dic="$build/data/Crecs.ptn"
table="$build/data/Senijish.dat"
for f in "$dic" "$table" "$build/bench/zkbench-rows"; do
  [ -f "$f" ] || { echo "free_rows.sh: no $f; build with the data and the GUI first (make build)" >&2; exit 2; }
done
"$build/bench/zkbench-rows" "$here/seni_sentences.txt" --dic "$dic" --seni "$table" "$@"
"$build/bench/zkbench-rows" "$here/seni_sentences.txt" --dic "$dic" --seni "$table" --seed 2 "$@"
