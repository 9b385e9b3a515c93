#!/bin/bash
# A first start with a fresh HOME: the user directory and pid file appear, the main
# window stands at the default position with its size. Dragged by its title strip it
# moves and saves its place (a press beside the close key does not drag); the close key
# saves the settings and removes the pid file, and the next start uses the saved place.
# Settings that cannot be saved are reported once. (A second start is e2e_single.)
. "$(dirname "$0")/lib.sh"

[ -e "$HOME/.ZkCrec" ] && fail "fresh HOME already has .ZkCrec"
start_pad
[ -d "$HOME/.ZkCrec" ] || fail "user directory not created"
[ "$(cat "$PIDFILE")" = "$PAD_PID" ] || fail "pid file holds '$(cat "$PIDFILE")', not $PAD_PID"
[ "$(field unknown_glyphs "$READY")" = 0 ] || fail "face texts drawn with missing glyphs: $READY"
y0=$((SCREEN_H - 93))
wait_geometry "$XID" "0 $y0 772 92"
[ -s "$ERR" ] && fail "unexpected messages: $(cat "$ERR")"

# From (300, 10) in the window, 120 right and 200 up in steps.
xdotool mousemove 300 $((y0 + 10)) mousedown 1 \
  mousemove 330 $((y0 - 40)) mousemove 380 $((y0 - 120)) mousemove 420 $((y0 - 190)) \
  mousemove 420 $((y0 - 190)) mouseup 1
wait_for "^SETTINGS saved x=120 y=$((y0 - 200))"
wait_geometry "$XID" "120 $((y0 - 200)) 772 92"
# A drag started beside the close key is no drag (the key takes the press).
xdotool mousemove $((120 + 760)) $((y0 - 200 + 2)) mousedown 1 mousemove 500 300 mouseup 1
sleep 0.3
[ "$(grep -c '^DRAG start' "$LOG")" = 1 ] || fail "a press beside the close key started a drag"
kill -0 "$PAD_PID" || fail "the press outside the close key closed the program"

# The close key ends the program cleanly.
click_key 41
wait_exit "$PAD_PID"
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
[ -e "$PIDFILE" ] && fail "pid file left behind"
grep -qx "X=120,Y=$((y0 - 200))" "$SETTINGS" || fail "settings: $(cat "$SETTINGS")"
grep -qx 'BACK=0xA0A0A0,HEAD=0x606060' "$SETTINGS" || fail "settings: $(cat "$SETTINGS")"
grep -q '^EXIT' "$LOG" || fail "no EXIT trace"
start_pad
wait_geometry "$XID" "120 $((y0 - 200)) 772 92"
stop_pad

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
