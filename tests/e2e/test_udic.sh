#!/bin/bash
# Teaching the recogniser: 木 written with its strokes in reverse order and direction
# is not read as 木; taught once in the registration dialog, it is read as 木 after
# the pad restarts; deleted in the browser, the system's answer returns. On the pad
# the odd 木 is followed by a plain 山 in the same sequence, so that every run ends
# in a pending line even when the odd writing alone gives no character.
. "$(dirname "$0")/lib.sh"

# odd_strokes CHARACTER LEFT TOP SIZE: the character's strokes, last first, each
# drawn from its end to its start.
odd_strokes() {
  "$E2E_STROKES" "$E2E_KANJIVG" "$@" | tac |
    awk '{ for (i = NF; i > 0; i--) printf "%s%s", $i, (i > 1 ? " " : "\n") }' >"$WORK/odd" ||
    fail "no strokes for $1"
}

pad_settings() { settings '[PMODE]' "MODE=$1" '[RECOG]' 'TIMER=900' '[SENI]' 'EXEC=0' '[DSLEEP]' 'TIME=0'; }

# open_dialog: the pad, then the user-dictionary dialog.
open_dialog() {
  pad_settings 0
  start_pad
  open_udic
}

write_on_pad() {
  pad_settings 1
  start_pad
  wait_for '^GRAB on status=0'
  odd_strokes 木 100 200 120
  draw_strokes "$WORK/odd"
  write_char 山 300 200 120
  wait_for '^PENDING '
  local text
  text=$(pending_text)
  [ "${text%山}" != "$text" ] || fail "the plain 山 reads as \"$text\""
  ANSWER=${text%山}
}

# The system's answer for the odd writing.
write_on_pad
system_answer=$ANSWER
stop_pad
[ "$system_answer" != 木 ] || fail "odd 木 already reads as \"$system_answer\""

# Teach it: the name written normally in the left area, the sample in the right one.
open_dialog
IFS=, read -r lx ly _ _ <<<"$(field left "$UDIC")"
IFS=, read -r rx ry _ _ <<<"$(field right "$UDIC")"
write_char 木 $((lx + 25)) $((ly + 15)) 160
wait_for '^UDIC name=木'
odd_strokes 木 $((rx + 25)) $((ry + 15)) 160
draw_strokes "$WORK/odd"
wait_for '^UDIC sample '
[ -n "${E2E_SHOTS:-}" ] && import -window root "$E2E_SHOTS/udic-dialog.png"
click_at $(key_of "$UDIC" 1)
wait_for '^UDIC registered 木'
[ -s "$HOME/.ZkCrec/Crecs.upt" ] || fail "no user dictionary"
[ -s "$HOME/.ZkCrec/Learn.dat" ] || fail "no learning file"
click_at $(key_of "$UDIC" 5)
wait_for '^UDIC closed'
stop_pad

# After a restart the odd writing wins.
write_on_pad
[ "$ANSWER" = 木 ] || fail "the taught writing reads as \"$ANSWER\""
stop_pad

# Delete it in the browser: the only record, so the browser returns to the dialog.
open_dialog
click_at $(key_of "$UDIC" 4)
wait_for '^UDICDSP page=1/1 cells=木|||||||$'
DSP=$(grep '^UDICDSP shown' "$LOG")
cell1=$(field cells "$DSP" | cut -d';' -f1 | tr , ' ')
[ -n "${E2E_SHOTS:-}" ] && import -window root "$E2E_SHOTS/udic-browser.png"
click_at $cell1
wait_for '^UDICDSP selected 1'
click_at $(key_of "$DSP" 4)
answer_box "$LOG"
wait_for '^UDICDSP deleted 木'
wait_for '^UDICDSP closed'
[ -e "$HOME/.ZkCrec/Learn.dat" ] && fail "learning file left after deleting its only record"
[ -e "$HOME/.ZkCrec/Crecs.upt" ] && fail "user dictionary left with no pattern"
click_at $(key_of "$UDIC" 5)
wait_for '^UDIC closed'
stop_pad

write_on_pad
[ "$ANSWER" = "$system_answer" ] || fail "after deleting, the writing reads as \"$ANSWER\", not \"$system_answer\""
stop_pad
echo PASS
