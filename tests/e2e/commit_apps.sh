# The body of the commit tests, sourced by test_commit_apps*.sh after lib.sh (with
# WM=openbox to run under a window manager). With default paste settings, two
# characters written in pen input are committed into a GTK 2 entry, a GTK 3 entry
# and xterm running cat; each receives exactly the pending text. With the focused
# application closed the line stays, and a new application later receives it. The
# enter key pressed right after writing, inside the recognition pause, commits what
# was written and is not taken for ink.

# focus_window XID: gives an application the input focus, as a user's click would.
focus_window() {
  if [ "${WM:-}" = openbox ]; then
    xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
  else
    xdotool windowfocus --sync "$1"
  fi
}

write_two() {
  write_char 木 100 250 120
  write_char 山 300 250 120
  wait_pending 木山
}

[ "${WM:-}" = openbox ] && start_openbox

settings '[PMODE]' 'MODE=1' '[RECOG]' 'TIMER=2000' '[SENI]' 'EXEC=0'
start_pad
wait_for '^GRAB on status=0'

# (a) The GTK 2 entry.
start_target focus_window
write_two
click_key 35
wait_target 木山
grep -q '^PASTE .* text=木山$' "$LOG" || fail "paste: $(grep '^PASTE' "$LOG")"

# The enter key pressed inside the recognition pause: the writing is recognised
# first and committed with nothing of the tap in it.
write_char 木 100 250 120
click_key 35
wait_target 木山木
kill "$TARGET_PID"
wait_exit "$TARGET_PID"

# (b) A GTK 3 entry: its text comes out when the dialog is confirmed with Return,
# which the enter key sends on an empty line.
zenity --entry --title=e2e-gtk3 --text=e2e >"$WORK/gtk3.out" 2>/dev/null &
GTK3_PID=$!
focus_window "$(app_window e2e-gtk3)"
write_two
click_key 35
wait_for '^PASTE .* text=木山$'
sleep 0.3
click_key 35
wait_exit "$GTK3_PID"
[ "$(cat "$WORK/gtk3.out")" = 木山 ] || fail "GTK 3 entry received \"$(cat "$WORK/gtk3.out")\""

# (c) xterm running cat: the line reaches cat with the Return of the enter key.
xterm -title e2e-xterm -geometry 60x5+500+80 -e sh -c "cat >'$WORK/xterm.out'" &
XTERM_PID=$!
focus_window "$(app_window e2e-xterm)"
sleep 0.3  # the shell and cat start in the terminal
write_two
click_key 35
wait_for "^PASTE .* text=木山\$"
sleep 0.3
click_key 35
wait_file_text "$WORK/xterm.out" 木山

# The focused application closes: the enter key keeps the line, with a beep, and
# the next application to get the focus receives it.
write_char 大 100 250 120
wait_pending 大
kill "$XTERM_PID"
wait_exit "$XTERM_PID"
sleep 0.3
pastes=$(grep -c '^PASTE ' "$LOG")
click_key 35
wait_for '^NOFOCUS '
[ "$(pending_text)" = 大 ] || fail "the line was lost: $(pending_text)"
[ "$(grep -c '^PASTE ' "$LOG")" = "$pastes" ] || fail "pasted without a focus window"
start_target focus_window
click_key 35
wait_target 大
[ -n "${E2E_SHOTS:-}" ] && import -window root "$E2E_SHOTS/commit-${WM:-nowm}.png"
stop_pad
echo PASS
