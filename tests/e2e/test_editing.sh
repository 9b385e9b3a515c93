#!/bin/bash
# Correcting written characters: 林 written with a wide gap comes out as two
# characters; 結分 joins them into 林 and splits 林 into two again. 大小 turns つ into
# づ and then っ, a digit key and a symbol key type at the caret, and 貼付 pastes the result.
. "$(dirname "$0")/lib.sh"

settings '[PMODE]' 'MODE=1' '[RECOG]' 'TIMER=700' '[PAST]' 'TYPE=0' '[SENI]' 'EXEC=0' \
  '[VFRAME]' 'MERGIN=0'
start_target
start_pad
wait_for '^GRAB on status=0'

# 林 at 150 pixels with its right half moved 28 pixels further right: the variable
# frame around the left half (no margin) does not reach it.
"$E2E_STROKES" "$E2E_KANJIVG" 林 100 200 150 >"$WORK/strokes" || fail "no strokes for 林"
awk 'NR > 4 { for (i = 1; i <= NF; i++) { split($i, p, ","); $i = (p[1] + 28) "," p[2] } } 1' \
  "$WORK/strokes" >"$WORK/wide"
while read -r line; do
  args=()
  for p in $line; do args+=(mousemove "${p%,*}" "${p#*,}"); done
  xdotool "${args[@]:0:3}" mousedown 1 "${args[@]:3}" mouseup 1
done <"$WORK/wide"
wait_for '^PENDING count=2 '
halves=$(pending_text)
[ -n "${E2E_SHOTS:-}" ] && import -window root "$E2E_SHOTS/editing-halves.png"

# select FROM TO: drags over the pending line from before character FROM to before TO.
select_chars() {
  xdotool mousemove $(pending_at "$1") mousedown 1 mousemove $(pending_at "$2") mouseup 1
  wait_for "^PENDING count=[0-9]* start=$1 end=$2 "
}

select_chars 0 2
click_key 1
wait_pending 林
grep '^PENDING ' "$LOG" | tail -n 1 | grep -q 'count=1 start=1 end=1 ' || fail "after the join: $(grep '^PENDING' "$LOG" | tail -n 1)"

select_chars 0 1
click_key 1
wait_for '^PENDING count=2 start=2 end=2 '
split=$(pending_text)
[ -n "${E2E_SHOTS:-}" ] && import -window root "$E2E_SHOTS/editing-split.png"

select_chars 0 2
click_key 36
wait_for '^PENDING count=0 '

write_char つ 150 200 120
wait_pending つ
select_chars 0 1
click_key 3
wait_pending づ
click_key 3
wait_pending っ

click_at $(pending_at 1)
click_key 12       # ０
wait_pending っ０
click_at $(pending_at 0)
click_key 7        # 、
wait_pending 、っ０
[ -n "${E2E_SHOTS:-}" ] && import -window root "$E2E_SHOTS/editing-symbols.png"

click_key 35
wait_target 、っ０
echo "halves: $halves, joined: 林, split: $split, target: 、っ０"
kill -TERM "$PAD_PID"
wait_exit "$PAD_PID"
echo PASS
