#!/bin/bash
# Fixed-frame input as a user: the frame window comes up with five boxes; a character
# in box 1 and one in box 2 become two pending characters; back-space removes the
# second; the enter key pastes the rest into the focused application; the close key
# of the frame window leaves fixed-frame input.
. "$(dirname "$0")/lib.sh"

settings '[PMODE]' 'MODE=2' '[RECOG]' 'TIMER=2000' '[PAST]' 'TYPE=0' '[SENI]' 'EXEC=0'
start_target
start_pad
wait_for '^FRAME '
frame=$(grep '^FRAME ' "$LOG" | tail -n 1)
boxes=$(field boxes "$frame")
IFS=';' read -r box1 box2 _ <<<"$boxes"
IFS=',' read -r x1 y1 w1 h1 <<<"$box1"
IFS=',' read -r x2 y2 _ _ <<<"$box2"
[ "$w1" -gt 50 ] && [ "$h1" -gt 50 ] || fail "boxes too small: $boxes"
size=$(( (w1 < h1 ? w1 : h1) - 12 ))

write_char 中 $((x1 + 6)) $((y1 + 6)) $size
write_char 田 $((x2 + 6)) $((y2 + 6)) $size
wait_pending 中田
grep -q '^STROKE chars=2 strokes=1 ' "$LOG" || fail "box 2 did not start a new character"
[ -n "${E2E_SHOTS:-}" ] && import -window root "$E2E_SHOTS/frame-pending.png"

click_key 36
wait_pending 中
click_key 35
wait_target 中
wait_for '^PENDING count=0 '

# Back-space and enter with nothing pending act on the application itself.
click_key 36
wait_target ''
grep -q '^SENT BackSpace focus=' "$LOG" || fail "no BackSpace sent"

frame_xid=$(field xid "$frame")
close=$(geometry "$frame_xid")
read -r fx fy fw _ <<<"$close"
click_at $((fx + fw - 10)) $((fy + 10))
wait_for '^PMODE 0'

# Mouse input writes nothing.
strokes=$(grep -c '^STROKE ' "$LOG")
write_char 中 300 200 100
sleep 0.3
[ "$(grep -c '^STROKE ' "$LOG")" = "$strokes" ] || fail "mouse input recorded strokes"
stop_pad
grep -A1 '^\[PMODE\]' "$SETTINGS" | grep -qx 'MODE=0' || fail "pen mode not saved"
echo PASS
