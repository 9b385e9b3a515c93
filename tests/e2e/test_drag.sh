#!/bin/bash
# Dragging the title strip moves the main window and saves the new position, which
# the next start uses; a press on the shrink key's part of the strip does not drag.
. "$(dirname "$0")/lib.sh"

start_pad
y0=$((SCREEN_H - 93))
# From (300, 10) in the window, 120 right and 200 up in steps.
xdotool mousemove 300 $((y0 + 10)) mousedown 1 \
  mousemove 330 $((y0 - 40)) mousemove 380 $((y0 - 120)) mousemove 420 $((y0 - 190)) \
  mousemove 420 $((y0 - 190)) mouseup 1
wait_for "^SETTINGS saved x=120 y=$((y0 - 200))"
wait_geometry "$XID" "120 $((y0 - 200)) 772 92"
grep -qx "X=120,Y=$((y0 - 200))" "$SETTINGS" || fail "settings: $(head -2 "$SETTINGS")"

# The close key, then a new start at the saved place.
click_key 41
wait_exit "$PAD_PID"
start_pad
wait_geometry "$XID" "120 $((y0 - 200)) 772 92"

# A drag started beside the close key is no drag (the key takes the press).
xdotool mousemove $((120 + 760)) $((y0 - 200 + 2)) mousedown 1 mousemove 500 300 mouseup 1
sleep 0.3
grep -q '^DRAG start' "$LOG" && fail "a press beside the close key started a drag"
kill -0 "$PAD_PID" || fail "the press outside the close key closed the program"
stop_pad
echo PASS
