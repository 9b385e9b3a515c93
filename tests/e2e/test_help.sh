#!/bin/bash
# The help viewer as a user: ？ opens the topic menu, a topic key shows that topic's
# title and text from the installed help file, the return key goes back to the menu,
# and the close key gives the pad back.
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

# The pad's keys work again once the menu is closed.
click_key 40
wait_geometry "$XID" "2 $((SCREEN_H - 22)) 43 20"
stop_pad
echo PASS
