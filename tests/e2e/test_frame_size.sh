#!/bin/bash
# The largest fixed frame, stored where it would reach under the main window, comes
# up wholly on the screen above the main window, and a character written into the
# full height of a box is read whole (田, not 円 with its bottom hidden).
. "$(dirname "$0")/lib.sh"

settings '[PMODE]' 'MODE=2' '[RECOG]' 'TIMER=700' '[SENI]' 'EXEC=0' \
  '[LFRAME]' "X=165,Y=$((SCREEN_H - 220)),SIZE=3"
start_pad
wait_for '^FRAME '
frame=$(grep '^FRAME ' "$LOG" | tail -n 1)
read -r fx fy fw fh <<<"$(geometry "$(field xid "$frame")")"
read -r mx my _ _ <<<"$(geometry "$XID")"
[ $((fy + fh)) -le "$my" ] || fail "frame $fx $fy ${fw}x$fh reaches under the main window at y=$my"
[ "$fy" -ge 0 ] && [ $((fx + fw)) -le 1024 ] || fail "frame off the screen: $fx $fy ${fw}x$fh"
[ -n "${E2E_SHOTS:-}" ] && import -window root "$E2E_SHOTS/frame-large.png"

IFS=';' read -r box1 _ <<<"$(field boxes "$frame")"
IFS=',' read -r x1 y1 w1 h1 <<<"$box1"
write_char 田 $((x1 + 4)) $((y1 + 4)) $(( (w1 < h1 ? w1 : h1) - 8 ))
wait_pending 田
stop_pad
echo PASS
