#!/bin/bash
# Pen input as a user: the pointer is grabbed, two characters written side by side
# over the screen become two pending characters (the variable frame parts them), an
# alternative replaces the first, and the enter key pastes the line into the focused
# application. A key let go elsewhere does nothing. (The recognition pause is long
# enough for a busy machine not to split a character between two cycles.)
. "$(dirname "$0")/lib.sh"

settings '[PMODE]' 'MODE=1' '[RECOG]' 'TIMER=2000' '[PAST]' 'TYPE=0' '[SENI]' 'EXEC=0'
start_target
start_pad
wait_for '^GRAB on status=0'

write_char 木 100 200 120
write_char 山 300 200 120
wait_for '^PENDING count=2 ' "$LOG" 10
wait_pending 木山
grep -q '^STROKE chars=2 strokes=1 ' "$LOG" || fail "the first stroke of 山 did not start character 2"
grep '^CANDIDATES ' "$LOG" | tail -n 1 | grep -q 'entry=1 cells=山|' || fail "candidates: $(grep '^CANDIDATES' "$LOG" | tail -n 1)"
[ -n "${E2E_SHOTS:-}" ] && import -window root "$E2E_SHOTS/pen-pending.png"

# The cursor after 木 offers its alternatives; the first one is 本.
click_at $(pending_at 1)
wait_for '^CANDIDATES entry=0 cells=木|本|'
click_key 22
wait_for '^PICKED entry=0'
wait_pending 本山

# Under the grab the pad works its keys itself: pressed and let go elsewhere, the
# enter key shows its faces and commits nothing.
xdotool mousemove $(key_centre 35) mousedown 1
wait_shade 35 dark
xdotool mousemove 500 300 mouseup 1
wait_shade 35 light
grep -q '^CLICK 35' "$LOG" && fail "key 35 ran although released outside"

click_key 35
wait_target 本山
grep -q '^PASTE focus=.* text=本山$' "$LOG" || fail "paste: $(grep '^PASTE' "$LOG")"
[ "$(xclip -o -selection clipboard)" = 本山 ] || fail "clipboard: $(xclip -o -selection clipboard)"
stop_pad
echo PASS
