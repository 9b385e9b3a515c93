#!/bin/bash
# A refused edit answers with the message box (two digits typed from keys have no ink
# to join; no input method for 漢変, also when the root window lists servers that
# make no sense); OK closes the box and the program goes on;
# SIGTERM ends it like the close key.
. "$(dirname "$0")/lib.sh"

start_pad
click_key 12
click_key 13
wait_pending ０１
select_chars 0 2
click_key 1
wait_for '^MSGBOX shown'
box=$(grep '^MSGBOX shown' "$LOG")
[ "$(field cancel "$box")" = "0,0" ] || fail "Cancel shown on an OK box: $box"
click_pair "$(field ok "$box")"
wait_for '^MSGBOX answer 1'
wait_for '^CLICK 1'
[ "$(pending_text)" = ０１ ] || fail "the refused join changed the line: $(pending_text)"
kill -0 "$PAD_PID" || fail "program ended with the box"

# Without an input method 漢変 asks for one to be started.
click_key 2
wait_count '^MSGBOX shown' 2
answer_box "$LOG"
wait_count '^MSGBOX answer 1' 2
grep -q '^KBOX' "$LOG" && fail "the kanji box opened without an input method"

# The root window's list of input method servers may hold anything another client
# wrote there: atoms that do not exist, or values of the wrong type or size. None of
# it is a server, and the pad goes on with its line.
boxes=2
for prop in "ATOM 32 999999 999998" "ATOM 16 1 2 3" "STRING 8 65 66"; do
  "$E2E_ROOTPROP" XIM_SERVERS $prop
  click_key 2
  boxes=$((boxes + 1))
  wait_count '^MSGBOX shown' $boxes
  answer_box "$LOG"
  wait_count '^MSGBOX answer 1' $boxes
  kill -0 "$PAD_PID" 2>/dev/null || fail "XIM_SERVERS $prop ended the program"
  [ "$(pending_text)" = ０１ ] || fail "XIM_SERVERS $prop changed the line: $(pending_text)"
done
grep -q 'X error' "$ERR" && fail "the servers' list was read unchecked"

# The pad's keys work again after the box (the modal grab is gone).
click_key 40
wait_geometry "$XID" "2 $((SCREEN_H - 22)) 43 20"

stop_pad
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS after SIGTERM"
[ -e "$PIDFILE" ] && fail "pid file left behind after SIGTERM"
[ -s "$SETTINGS" ] || fail "settings not saved after SIGTERM"
echo PASS
