#!/bin/bash
# The fixed-frame window's sizes. The largest, stored where it would reach under the
# main window, comes up wholly on the screen above it, and a character written into
# the full height of a box is read whole (田, not 円 with its bottom hidden). 小 makes
# the window and its boxes smaller at once and is saved; 大 brings the largest back.
. "$(dirname "$0")/lib.sh"

settings '[PMODE]' 'MODE=2' '[RECOG]' 'TIMER=2000' '[SENI]' 'EXEC=0' \
  '[LFRAME]' "X=165,Y=$((SCREEN_H - 220)),SIZE=3"
start_pad
wait_for '^FRAME '
frame=$(grep '^FRAME ' "$LOG" | tail -n 1)
frame_xid=$(field xid "$frame")
read -r fx fy fw fh <<<"$(geometry "$frame_xid")"
read -r mx my _ _ <<<"$(geometry "$XID")"
[ $((fy + fh)) -le "$my" ] || fail "frame $fx $fy ${fw}x$fh reaches under the main window at y=$my"
[ "$fy" -ge 0 ] && [ $((fx + fw)) -le 1024 ] || fail "frame off the screen: $fx $fy ${fw}x$fh"
[ -n "${E2E_SHOTS:-}" ] && import -window root "$E2E_SHOTS/frame-large.png"

IFS=';' read -r box1 _ <<<"$(field boxes "$frame")"
IFS=',' read -r x1 y1 w1 h1 <<<"$box1"
write_char 田 $((x1 + 4)) $((y1 + 4)) $(( (w1 < h1 ? w1 : h1) - 8 ))
wait_pending 田

# wait_size W H: the frame window's size, wherever it stands.
wait_size() { poll 5 sized "$1 $2" || fail "frame window is $(geometry "$frame_xid" | cut -d' ' -f3-), expected $1 $2"; }
sized() { [ "$(geometry "$frame_xid" | cut -d' ' -f3-)" = "$1" ]; }

wait_size 645 184
click_pair "$(field sizes "$frame" | cut -d';' -f1)"
wait_size 415 128
grep -A1 '^\[LFRAME\]' "$SETTINGS" | grep -q ',SIZE=1$' || fail "size not saved: $(cat "$SETTINGS")"
wait_for '^FRAME .*boxes=[0-9-]*,[0-9-]*,[0-9]*,[0-9][0-9];'
click_pair "$(field sizes "$(grep '^FRAME ' "$LOG" | tail -n 1)" | cut -d';' -f3)"
wait_size 645 184
grep -A1 '^\[LFRAME\]' "$SETTINGS" | grep -q ',SIZE=3$' || fail "size not saved: $(cat "$SETTINGS")"
stop_pad
echo PASS
