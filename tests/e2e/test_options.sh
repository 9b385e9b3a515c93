#!/bin/bash
# The options dialog as a user: 設定 opens it; Cancel after changing the pause, margin
# and post-processing leaves the settings file byte for byte as it was; a longer pause
# confirmed with OK is saved and the next written character waits that long. The
# "学習辞書" key leads on to the user-dictionary dialog.
. "$(dirname "$0")/lib.sh"

settings '[PMODE]' 'MODE=1' '[RECOG]' 'TIMER=500' '[PAST]' 'TYPE=0' '[SENI]' 'EXEC=0'
start_pad
wait_for '^GRAB on status=0'

# click_option NAME: clicks the key named in the last OPTION shown line.
click_option() { click_pair "$(field "$1" "$(grep '^OPTION shown' "$LOG" | tail -n 1)")"; }

click_key 37
wait_for '^OPTION shown'
wait_for '^GRAB off'
[ -n "${E2E_SHOTS:-}" ] && import -window root "$E2E_SHOTS/options.png"
cp "$SETTINGS" "$WORK/before.dat"
click_option pause
wait_for '^OPTION work pause=1000 margin=30 seni=0'
click_option margin
wait_for '^OPTION work pause=1000 margin=60 seni=0'
click_option seni
wait_for '^OPTION work pause=1000 margin=60 seni=1'
click_option color3
wait_for '^OPTION work .* color=3'
click_option cancel
wait_for '^OPTION cancel pause=500 margin=30 seni=0 color=0 bold=3'
cmp -s "$SETTINGS" "$WORK/before.dat" || fail "Cancel changed the settings file"

# Again: the keys show the saved values; one press of the pause key and OK.
click_key 37
wait_count '^OPTION shown' 2
click_option pause
wait_count '^OPTION work pause=1000 margin=30 seni=0' 2
[ -n "${E2E_SHOTS:-}" ] && import -window root "$E2E_SHOTS/options-1000.png"
click_option ok
wait_for '^OPTION ok pause=1000'
grep -A1 '^\[RECOG\]' "$SETTINGS" | grep -qx 'TIMER=1000' || fail "pause not saved: $(cat "$SETTINGS")"
wait_count '^GRAB on status=0' 2

# The next character waits the new pause.
write_char 十 300 200 120
wait_for '^PAUSE ms=1000'
wait_for '^PENDING count=1 '

# 学習辞書 cancels the dialog and opens the registration dialog.
click_key 37
wait_count '^OPTION shown' 3
click_option udic
wait_for '^OPTION udic pause=1000 '
stop_pad
echo PASS
