#!/bin/bash
# The fixed-frame window's size buttons: 大 makes the window and its boxes larger at
# once and is saved; 小 brings the smallest size back.
. "$(dirname "$0")/lib.sh"

settings '[PMODE]' 'MODE=2'
start_pad
wait_for '^FRAME '
frame=$(grep '^FRAME ' "$LOG" | tail -n 1)
frame_xid=$(field xid "$frame")
IFS=';' read -r _ _ large <<<"$(field sizes "$frame")"

# wait_size W H: the frame window's size, wherever it stands.
wait_size() { poll 5 sized "$1 $2" || fail "frame window is $(geometry "$frame_xid" | cut -d' ' -f3-), expected $1 $2"; }
sized() { [ "$(geometry "$frame_xid" | cut -d' ' -f3-)" = "$1" ]; }

wait_size 415 128
click_pair "$large"
wait_size 645 184
grep -A1 '^\[LFRAME\]' "$SETTINGS" | grep -q ',SIZE=3$' || fail "size not saved: $(cat "$SETTINGS")"
[ -n "${E2E_SHOTS:-}" ] && import -window root "$E2E_SHOTS/frame-large.png"
wait_for '^FRAME .*boxes=[0-9-]*,[0-9-]*,[0-9]*,1[0-9][0-9]'
large_frame=$(grep '^FRAME ' "$LOG" | tail -n 1)
click_pair "$(field sizes "$large_frame" | cut -d';' -f1)"
wait_size 415 128
grep -A1 '^\[LFRAME\]' "$SETTINGS" | grep -q ',SIZE=1$' || fail "size not saved: $(cat "$SETTINGS")"
stop_pad
echo PASS
