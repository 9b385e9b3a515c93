#!/bin/bash
# The title-strip key shrinks the main window to a 43x20 strip at the bottom left and
# restores it; the strip keeps a working close key.
. "$(dirname "$0")/lib.sh"

start_pad
y0=$((SCREEN_H - 93))
click_key 40
wait_geometry "$XID" "2 $((SCREEN_H - 22)) 43 20"
# The shrunk strip: shrink key at 0..22, close key at 23..42.
click_at 12 $((SCREEN_H - 12))
wait_geometry "$XID" "0 $y0 772 92"
grep -q '^ICON restored' "$LOG" || fail "no restore trace"

click_key 40
wait_geometry "$XID" "2 $((SCREEN_H - 22)) 43 20"
click_at 35 $((SCREEN_H - 12))
wait_exit "$PAD_PID"
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
[ -e "$PIDFILE" ] && fail "pid file left behind"
echo PASS
