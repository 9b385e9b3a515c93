#!/bin/sh
# What the look-alike stage changes in top-1, over several sample seeds: for each seed
# and each way of masking classes (every class allowed, each group in its own input
# mode) the samples read right with the stage off, and the difference with the stage
# as the table alone has it (--ruiji-unguarded) and with the stage as the pad runs it.
# Usage: bench/ruiji_compare.sh BUILD_DIR [SEED ...]   (default seeds 1 to 6)
set -eu
build=${1:?usage: bench/ruiji_compare.sh BUILD_DIR [SEED ...]}
shift
seeds=${*:-1 2 3 4 5 6}
dic="$build/data/Crecs.ptn"
[ -f "$dic" ] || { echo "ruiji_compare.sh: no $dic; build with the data first (make build)" >&2; exit 2; }
out="$build/bench/ruiji"
mkdir -p "$out"

# Samples whose first candidate is the written character.
right() {
  sed -n 's/^.*"char":"\([^"]*\)".*"cands":\["\([^"]*\)".*$/\1 \2/p' "$1" | awk '$1 == $2' | wc -l
}

printf '%-6s %-6s %8s %8s %10s %8s\n' seed mode samples off unguarded pad
# Totals per way of masking: unguarded and pad differences.
ua=0; pa=0; uc=0; pc=0
for seed in $seeds; do
  for mode in all class; do
    samples="$out/samples-$seed-$mode.jsonl"
    if [ "$mode" = all ]; then "$build/bench/zkbench-gen" --seed "$seed" > "$samples" 2>/dev/null
    else "$build/bench/zkbench-gen" --seed "$seed" --class-mask > "$samples" 2>/dev/null; fi
    for way in off unguarded pad; do
      case $way in off) arg=--no-ruiji ;; unguarded) arg=--ruiji-unguarded ;; pad) arg= ;; esac
      # shellcheck disable=SC2086
      # Status 1 only marks samples without a result (they count as wrong); 2 is fatal.
      "$build/tools/zkrecog" --dic "$dic" $arg < "$samples" > "$out/answers-$way.jsonl" ||
        [ $? -eq 1 ]
    done
    off=$(right "$out/answers-off.jsonl")
    u=$(( $(right "$out/answers-unguarded.jsonl") - off ))
    p=$(( $(right "$out/answers-pad.jsonl") - off ))
    if [ "$mode" = all ]; then ua=$((ua + u)); pa=$((pa + p)); else uc=$((uc + u)); pc=$((pc + p)); fi
    printf '%-6s %-6s %8s %8s %+10d %+8d\n' "$seed" "$mode" "$(wc -l < "$samples")" "$off" "$u" "$p"
  done
done
printf '%-6s %-6s %8s %8s %+10d %+8d\n' total all "" "" "$ua" "$pa"
printf '%-6s %-6s %8s %8s %+10d %+8d\n' total class "" "" "$uc" "$pc"
