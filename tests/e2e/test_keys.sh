#!/bin/bash
# Keys show their pressed face while held and their normal face when let go; the
# ten-key toggle keeps its pressed face while on, and its state survives a restart.
. "$(dirname "$0")/lib.sh"

start_pad
wait_shade 36 light
xdotool mousemove $(key_centre 36) mousedown 1
wait_shade 36 dark
xdotool mousemove 500 300 mouseup 1   # let go outside: no click
wait_shade 36 light
grep -q '^CLICK 36' "$LOG" && fail "key 36 ran although released outside"

click_key 38
wait_for '^SETTINGS saved .* imode=2'
wait_shade 38 dark
stop_pad

start_pad
wait_shade 38 dark
click_key 38
wait_for '^SETTINGS saved .* imode=1'
wait_shade 38 light
stop_pad
echo PASS
