#!/bin/bash
# The ten-key pad as a user: 数/記 opens it beside the main window and keeps its
# pressed face while on; in pen input (the pointer grabbed, the pad finding the key
# under the pointer itself) symbols from pages 19, 18 and 17 and a half-width "!" reach
# the focused application; it comes back after a restart, works with plain mouse
# clicks there, moves when dragged, and 数/記 closes it. A main-window key shows its
# pressed face while held and does nothing when let go elsewhere.
. "$(dirname "$0")/lib.sh"

# tkey_centre K: root position of the centre of ten-key key K (after TENKEY shown).
tkey_centre() { centre_of "$TENKEY_XID" "$(grep "^TKEY $1 " "$LOG" | tail -n 1)"; }
click_tkey() { click_at $(tkey_centre "$1"); }
# prev_page P: the previous-page key, then waits for full-width page P.
prev_page() {
  click_tkey 17
  wait_for "^TENKEY wide=1 page=$1\$"
}
shot() { [ -n "${E2E_SHOTS:-}" ] && import -window root "$E2E_SHOTS/tenkey-$1.png"; true; }
wait_tenkey() {
  wait_for '^TENKEY shown '
  TENKEY_XID=$(field xid "$(grep '^TENKEY shown ' "$LOG" | tail -n 1)")
}

settings '[PMODE]' 'MODE=1' '[PAST]' 'TYPE=0' '[SENI]' 'EXEC=0'
start_target
start_pad
wait_for '^GRAB on status=0'

click_key 38
wait_for '^SETTINGS saved .* imode=2'
wait_shade 38 dark
wait_tenkey
# Beside the main window at (0, 675): right edges in line, above it.
wait_geometry "$TENKEY_XID" "606 410 165 265"
shot page1

# Backwards from page 1: the box drawing pages 19 and 18, then Cyrillic on 17.
prev_page 19
shot page19
click_tkey 6                 # ╋
prev_page 18
shot page18
click_tkey 11                # ┼
prev_page 17
click_tkey 16                # я
wait_target '╋┼я'
grep '^PASTE ' "$LOG" | sed 's/.* text=//' | tr -d '\n' | grep -qx '╋┼я' ||
  fail "pastes: $(grep '^PASTE' "$LOG")"

# The page key goes back to page 1; half-width page 2 types "!" as a key stroke.
click_tkey 18
wait_for '^TENKEY wide=1 page=1$'
click_tkey 20
wait_for '^TENKEY wide=0 page=1$'
click_tkey 19
wait_for '^TENKEY wide=0 page=2$'
shot half2
click_tkey 10                # !
wait_target '╋┼я!'

stop_pad
grep -A1 '^\[IMODE\]' "$SETTINGS" | grep -qx 'MODE=2' || fail "imode not saved: $(cat "$SETTINGS")"

# After a restart in mouse input the pad is back, on its first page, and its keys
# take ordinary clicks.
sed -i '/^\[PMODE\]/{n;s/.*/MODE=0/}' "$SETTINGS"
xdotool windowfocus --sync "$((TARGET_XID))"
start_pad
wait_tenkey
wait_geometry "$TENKEY_XID" "606 410 165 265"
wait_shade 38 dark
wait_shade 36 light
xdotool mousemove $(key_centre 36) mousedown 1
wait_shade 36 dark
xdotool mousemove 500 300 mouseup 1
wait_shade 36 light
grep -q '^CLICK 36' "$LOG" && fail "key 36 ran although released outside"
click_tkey 12                # ＋
click_tkey 9                 # １
wait_target '╋┼я!＋１'

# Dragged by its strip, the pad stays where it was put.
xdotool mousemove 656 420 mousedown 1 mousemove 600 400 mousemove 556 370 mouseup 1
wait_geometry "$TENKEY_XID" "506 360 165 265"

click_key 38
wait_for '^SETTINGS saved .* imode=1'
wait_shade 38 light
unmapped() { xwininfo -id "$TENKEY_XID" | grep -q 'IsUnMapped'; }
poll 2 unmapped || fail "the ten-key pad is still shown"
stop_pad
echo PASS
