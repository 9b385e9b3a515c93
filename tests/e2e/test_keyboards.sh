#!/bin/bash
# The keyboards as a user (each selector entry showing its whole text): through the
# selector from the pad to SoftKey1, where a latched Shift types a capital, keys type what their faces show on the server's US
# map, Shift then Ctrl then c reaches the target as Control+c, and the assignment
# list (a UTF-8 file) types and pastes its texts; to the kana keyboard Key51, where か
# and ゛ type the romaji k a, BackSpace, g a (the target has no input method to make が
# of them) and ー a "-"; every size of keyboard; back to the pad; and a start with
# "-s" and no assignment file, whose 割▽ list says so and whose two-row input list
# still chooses what it shows.
. "$(dirname "$0")/lib.sh"

# skey_centre K NAME: root position of the centre of key NAME of keyboard K.
skey_centre() { centre_of "$(keyboard_xid "$1")" "$(grep "^SKEY $1 $2 " "$LOG" | tail -n 1)"; }
keyboard_xid() { field xid "$(grep "^KEYBOARD mapped=$1 " "$LOG" | tail -n 1)"; }
click_skey() { click_at $(skey_centre "$1" "$2"); }
shot() { [ -n "${E2E_SHOTS:-}" ] && import -window root "$E2E_SHOTS/keyboard-$1.png"; true; }

# choose ROW ROWS [WHICH]: clicks row ROW of the list that has just opened with ROWS
# rows (WHICH 0 the input list, 2 the assignment list).
LISTS=0
choose() {
  local line x y w h
  LISTS=$((LISTS + 1))
  wait_count '^LIST open ' $LISTS
  line=$(grep "^LIST open which=${3:-0} " "$LOG" | tail -n 1)
  x=$(field x "$line") y=$(field y "$line") w=$(field width "$line") h=$(field height "$line")
  click_at $((x + w / 2)) $((y + h * (2 * $1 + 1) / (2 * $2)))
  wait_count '^LIST closed ' $LISTS
}
# shown K: waits until keyboard K is mapped once more.
declare -A MAPS
shown() {
  MAPS[$1]=$((${MAPS[$1]:-0} + 1))
  wait_count "^KEYBOARD mapped=$1 " ${MAPS[$1]}
}

settings '[PAST]' 'TYPE=0' '[SENI]' 'EXEC=0'
# Written in UTF-8 as an editor would; the long line fills two entries of the list.
printf '%s\n' 'Ok!' '漢字' '東京都千代田区丸の内一丁目' >"$HOME/.ZkCrec/Assignment.dat"
start_target
start_pad

click_key 44                      # the pad's input selector
choose 1 3                        # 英数KB
shown 0
wait_for '^SETTINGS saved .* imode=3'
click_skey 0 Sshiftl
click_skey 0 Skeyh
click_skey 0 Skeyi
wait_target Hi
shot softkey1

# The Japanese layout's faces on a US map: "@" and ":" plain, Shift gives '"' = +.
click_skey 0 Skey004
click_skey 0 Skey007
for key in Skey2 Skey001 Skey006; do
  click_skey 0 Sshiftl
  click_skey 0 $key
done
T='Hi@:"=+'
wait_target "$T"
# Ctrl after Shift ends Shift and stays on for the next key.
click_skey 0 Sshiftl
click_skey 0 Sctrll
click_skey 0 Skeyc
wait_for '^KEY\[Control+c\]$' "$TARGET_LOG"
grep -Eq '^KEY\[(Shift\+)?c\]$' "$TARGET_LOG" && fail "c reached the target without Control"

# The assignment list: ASCII is typed at once (Shift for "!"), Japanese pasted.
click_skey 0 Akeys
choose 0 4 2
T+='Ok!'
wait_target "$T"
click_skey 0 Akeys
choose 1 4 2
T+='漢字'
wait_target "$T"
click_skey 0 Akeys
choose 3 4 2
T+='丸の内一丁目'
wait_target "$T"

click_skey 0 hImod
choose 2 3                        # 50音KB
shown 3
click_skey 3 _0k106               # か
click_skey 3 Kdaku                # ゛
# Without an input method the target shows the romaji: k a, BackSpace, g a.
wait_target "${T}kga"
grep -qF "TEXT[${T}ka]" "$TARGET_LOG" && grep -qF "TEXT[${T}k]" "$TARGET_LOG" ||
  fail "not typed as k a BackSpace g a: $(grep TEXT "$TARGET_LOG" | tr '\n' ' ')"
click_skey 3 _0k151               # ー
T+='kga-'
wait_target "$T"
shot key51

click_skey 3 Sclosedown
shown 4
shot key52
click_skey 4 hImod
choose 1 3
shown 0
click_skey 0 Scloseup
shown 1
shot softkey2
click_skey 1 Sclosedown
shown 2
shot softkey3
click_skey 2 Skeyx
wait_target "${T}x"

click_skey 2 hImod
choose 0 3                        # 手書KB
wait_for '^SETTINGS saved .* imode=1'
stop_pad

# Each selector entry shows its whole text, down to the narrowest ones (割当 in 14
# pixels on the small keyboard, 50音KB in 27 on the small kana keyboard).
for text in 手書KB 英数KB 50音KB 割当; do
  grep -q "^ENTRY text=$text " "$LOG" || fail "no entry showed $text"
done
# The selector's own texts fit; a chosen assignment may be longer than any entry.
awk '/^ENTRY text=(手書KB|英数KB|50音KB|割当) / { room = $3; width = $4; sub(/.*=/, "", room); sub(/.*=/, "", width)
       if (width + 0 > room + 0) { print; cut = 1 } } END { exit cut }' "$LOG" >"$WORK/cut" ||
  fail "entry texts cut: $(cat "$WORK/cut")"

# With "-s" the list offers 英数KB and 50音KB only; its second row is 50音KB.
: >"$LOG"
LISTS=0
MAPS=()
rm "$HOME/.ZkCrec/Assignment.dat"
"$SORENIX" -s >"$LOG" 2>"$ERR" &
PAD_PID=$!
shown 0
# Without assignments 割▽ opens a one-row list that says so; a press closes it.
click_skey 0 Akeys
LISTS=$((LISTS + 1))
wait_count '^LIST open which=2 ' 1
line=$(grep '^LIST open which=2 ' "$LOG")
[ "$(field width "$line")" -ge 80 ] && [ "$(field height "$line")" -ge 14 ] || fail "empty list: $line"
shot no-assignments
click_at $(($(field x "$line") + 10)) $(($(field y "$line") + 5))
wait_count '^LIST closed ' $LISTS
click_skey 0 hImod
choose 1 2
shown 3
grep -q '^READY ' "$LOG" && fail "the pad came up with -s"
click_skey 3 Kclose               # 閉 ends the program
wait_exit "$PAD_PID"
[ "$EXIT_STATUS" = 0 ] || fail "exit status $EXIT_STATUS"
echo PASS
