#!/bin/bash
# What the user had in the clipboard and the primary selection survives a commit:
# once the target has fetched the pasted text, both offer the user's text again. Into
# the GTK 2 target (which pastes the clipboard) and into xterm (the primary selection).
. "$(dirname "$0")/lib.sh"
command -v xterm >/dev/null || { echo "SKIP: no xterm"; exit 77; }

# put_selections: the user's texts, each held by an xclip of its own.
put_selections() {
  printf 'user clipboard %s' "$1" | xclip -selection clipboard -i
  printf 'user primary %s' "$1" | xclip -selection primary -i
}

# check_selections ROUND: the pad has put the user's texts back.
check_selections() {
  wait_count '^CLIPBOARD restored clipboard=kept primary=kept' "$2"
  local clip prim
  clip=$(timeout 5 xclip -selection clipboard -o)
  prim=$(timeout 5 xclip -selection primary -o)
  [ "$clip" = "user clipboard $1" ] || fail "clipboard holds \"$clip\" after the commit"
  [ "$prim" = "user primary $1" ] || fail "primary selection holds \"$prim\" after the commit"
}

settings '[PMODE]' 'MODE=1' '[RECOG]' 'TIMER=2000' '[SENI]' 'EXEC=0'
start_pad
wait_for '^GRAB on status=0'

put_selections one
start_target
write_char 木 100 250 120
wait_pending 木
click_key 35
wait_target 木
check_selections one 1
kill "$TARGET_PID"
wait_exit "$TARGET_PID"

put_selections two
xterm -title e2e-xterm -geometry 60x5+500+80 -e sh -c "cat >'$WORK/xterm.out'" &
XTERM_PID=$!
xdotool windowfocus --sync "$(app_window e2e-xterm)"
write_char 木 100 250 120
wait_pending 木
click_key 35
wait_for '^CLIPBOARD fetched primary'
click_key 35
wait_file_text "$WORK/xterm.out" 木
check_selections two 2
kill "$XTERM_PID"
stop_pad
echo PASS
