#!/bin/bash
# Free writing in pen input: 海 written large with its 氵 well apart from 毎 is cut by
# the variable frame, and 変換 written small and close together is run into one
# character by it; the segmentation before the pending line mends both. A 31st stroke
# written over a character starts a new one rather than being lost.
. "$(dirname "$0")/lib.sh"

# Each step writes many strokes that must land in one recognition: a pause a loaded
# machine cannot outrun (the test waits for the pad's trace, not for the pause).
settings '[PMODE]' 'MODE=1' '[RECOG]' 'TIMER=3000' '[PAST]' 'TYPE=0'
start_target
start_pad
wait_for '^GRAB on status=0'

# 海 in a 400-pixel square, its three strokes of 氵 moved 70 pixels further left.
"$E2E_STROKES" "$E2E_KANJIVG" 海 350 60 400 >"$WORK/umi" || fail "no strokes for 海"
awk 'NR <= 3 { for (i = 1; i <= NF; i++) { split($i, p, ","); $i = (p[1] - 70) "," p[2] } } { print }' \
  "$WORK/umi" >"$WORK/umi-wide"
draw_strokes "$WORK/umi-wide"
wait_for '^STROKE chars=2 '   # the frame cut the character
wait_pending 海 10
[ -n "${E2E_SHOTS:-}" ] && import -window root "$E2E_SHOTS/free-writing-umi.png"

write_char 変 100 200 44
write_char 換 140 200 44
wait_pending 海変換 10
grep -q '^STROKE chars=2 ' <(sed -n '/text=海$/,$p' "$LOG") && fail "the frame parted 変 and 換 itself"

click_key 35
wait_target 海変換

# A character keeps 30 strokes; the 31st starts the next one instead of being lost.
for ((i = 0; i < 31; i++)); do echo "400,$((300 + i)) 440,$((300 + i)) 480,$((300 + i))"; done >"$WORK/many"
# (海 above started second characters too: count the lines, the pad may lag behind.)
seconds=$(grep -c '^STROKE chars=2 strokes=1 ' "$LOG")
draw_strokes "$WORK/many"
wait_for '^STROKE chars=1 strokes=30 ' "$LOG" 10
wait_count '^STROKE chars=2 strokes=1 ' $((seconds + 1))
stop_pad
echo PASS
