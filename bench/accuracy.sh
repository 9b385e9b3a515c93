#!/bin/sh
# The accuracy benchmark: distorted samples of every reference form (zkbench-gen),
# recognised by zkrecog with the built system dictionary, scored per group
# (zkbench-score): once with every class allowed (the pad's 自動 mode), once with
# each group in its own input mode (漢字, ひら, カナ, 英字, 数字, 記号); then kana
# written with two strokes joined at every natural place, in both ways; then sentence
# and do-no-harm rows one character per box (bench/seni_rescore.sh) and rows written
# freely across the screen (bench/free_rows.sh).
# Usage: bench/accuracy.sh BUILD_DIR [zkbench-gen options]
# For example `bench/accuracy.sh build --classes hiragana,katakana --kanji-stride 4`.
# ZKRECOG_ARGS passes options to zkrecog (ZKRECOG_ARGS=--no-ruiji measures without the
# look-alike checks).
set -eu
build=${1:?usage: bench/accuracy.sh BUILD_DIR [zkbench-gen options]}
shift
dic="$build/data/Crecs.ptn"
[ -f "$dic" ] || { echo "accuracy.sh: no $dic; build with the data first (make build)" >&2; exit 2; }
out="$build/bench/accuracy"
mkdir -p "$out"
start=$(date +%s)
status=0
for mode in all class joined-all joined-class; do
  case $mode in
    all) echo "== every class allowed (自動)"
         "$build/bench/zkbench-gen" "$@" > "$out/samples-$mode.jsonl" ;;
    class) echo "== each group in its own input mode"
           "$build/bench/zkbench-gen" --class-mask "$@" > "$out/samples-$mode.jsonl" 2>/dev/null ;;
    joined-all) echo "== kana written with two strokes joined, every class allowed"
                "$build/bench/zkbench-gen" --joined-kana "$@" > "$out/samples-$mode.jsonl" 2>/dev/null ;;
    joined-class) echo "== kana written with two strokes joined, each in its own input mode"
                  "$build/bench/zkbench-gen" --joined-kana --class-mask "$@" > "$out/samples-$mode.jsonl" 2>/dev/null ;;
  esac
  [ -s "$out/samples-$mode.jsonl" ] || continue  # no kana among the classes asked for
  # No user dictionary (zkrecog's default): the figures are the system dictionary's own.
  # shellcheck disable=SC2086
  "$build/tools/zkrecog" --dic "$dic" ${ZKRECOG_ARGS:-} \
    < "$out/samples-$mode.jsonl" > "$out/answers-$mode.jsonl" || status=1
  "$build/bench/zkbench-score" < "$out/answers-$mode.jsonl" || status=1
done
echo "== the same ink at a third and at four thirds of its size, every class allowed"
"$build/bench/zkbench-size" --dic "$dic" < "$out/samples-all.jsonl" || status=1
echo "== rows one character per box: as recognised / after transitions / after words"
"$(dirname "$0")/seni_rescore.sh" "$build" || status=1
if [ -x "$build/bench/zkbench-rows" ]; then
  echo "== free writing across the screen: the frame's guess, then with segmentation"
  "$(dirname "$0")/free_rows.sh" "$build" || status=1
fi
"$build/bench/zkbench-mem" "$dic"
echo "dictionary: $(wc -c < "$dic") bytes; run took $(( $(date +%s) - start )) s; samples and answers in $out"
exit $status
