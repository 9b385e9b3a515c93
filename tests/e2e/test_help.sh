#!/bin/bash
# The help viewer as a user: ？ opens the topic menu, a topic key shows that topic's
# title and text from the installed help file, the return key goes back to the menu,
# and the close key gives the pad back; its title-strip key then shrinks the window to
# a strip that restores it and closes the program.
. "$(dirname "$0")/lib.sh"

start_pad
click_key 6
wait_for '^HELP shown'
menu=$(grep '^HELP shown' "$LOG" | tail -n 1)
[ -n "${E2E_SHOTS:-}" ] && import -window root "$E2E_SHOTS/help-menu.png"
IFS=';' read -r -a topics <<<"$(field topics "$menu")"
[ "${#topics[@]}" = 15 ] || fail "topic keys: $menu"

click_pair "${topics[11]}"
wait_for '^HELPTOPIC 12 found=1 '
grep -q '^HELPTOPIC 12 found=1 lines=[1-9][0-9]* title=認識開始時間の設定$' "$LOG" ||
  fail "topic 12: $(grep '^HELPTOPIC' "$LOG")"
wait_for '^HELPDSP shown'
[ -n "${E2E_SHOTS:-}" ] && import -window root "$E2E_SHOTS/help-topic.png"
click_pair "$(field return "$(grep '^HELPDSP shown' "$LOG" | tail -n 1)")"
wait_count '^HELP shown' 2
click_pair "$(field close "$(grep '^HELP shown' "$LOG" | tail -n 1)")"

# The pad's keys work again once the menu is closed: the title-strip key shrinks the
# main window to a strip at the bottom left and restores it; the strip keeps a working
# close key (shrink key at 0..22, close key at 23..42).
click_key 40
wait_geometry "$XID" "2 $((SCREEN_H - 22)) 43 20"
click_at 12 $((SCREEN_H - 12))
wait_geometry "$XID" "0 $((SCREEN_H - 93)) 772 92"
grep -q '^ICON restored' "$LOG" || fail "no restore trace"
click_key 40
wait_geometry "$XID" "2 $((SCREEN_H - 22)) 43 20"
click_at 35 $((SCREEN_H - 12))
wait_exit "$PAD_PID"
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
[ -e "$PIDFILE" ] && fail "pid file left behind"
echo PASS
