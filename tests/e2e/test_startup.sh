#!/bin/bash
# A first start with a fresh HOME: the user directory and pid file appear, the main
# window stands at the default position with its size; the close key saves the
# settings and removes the pid file. (A second start is e2e_single.)
. "$(dirname "$0")/lib.sh"

[ -e "$HOME/.ZkCrec" ] && fail "fresh HOME already has .ZkCrec"
start_pad
[ -d "$HOME/.ZkCrec" ] || fail "user directory not created"
[ "$(cat "$PIDFILE")" = "$PAD_PID" ] || fail "pid file holds '$(cat "$PIDFILE")', not $PAD_PID"
[ "$(field unknown_glyphs "$READY")" = 0 ] || fail "face texts drawn with missing glyphs: $READY"
wait_geometry "$XID" "0 $((SCREEN_H - 93)) 772 92"
[ -s "$ERR" ] && fail "unexpected messages: $(cat "$ERR")"

# The close key ends the program cleanly.
click_key 41
wait_exit "$PAD_PID"
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
[ -e "$PIDFILE" ] && fail "pid file left behind"
grep -qx 'X=0,Y='"$((SCREEN_H - 93))" "$SETTINGS" || fail "settings: $(cat "$SETTINGS")"
grep -qx 'BACK=0xA0A0A0,HEAD=0x606060' "$SETTINGS" || fail "settings: $(cat "$SETTINGS")"
grep -q '^EXIT' "$LOG" || fail "no EXIT trace"

# Settings that cannot be saved are reported once in the message box, not at every
# later save.
rm -f "$SETTINGS"
mkdir "$SETTINGS"
start_pad
wait_for '^SETTINGS unwritable'
answer_box "$LOG"
wait_for '^MSGBOX answer 1'
click_key 39  # the pen-mode key saves the settings again
wait_for '^PMODE 1'
sleep 0.3
[ "$(grep -c '^MSGBOX shown' "$LOG")" = 1 ] || fail "the failure was reported more than once"
stop_pad
[ -e "$PIDFILE" ] && fail "pid file left behind"
echo PASS
