#!/bin/bash
# Kana-to-kanji conversion through an X input method (uim-xim with Anthy, in a
# ja_JP.UTF-8 locale): か and な written and selected, 漢変 types them into the kanji
# box in romaji, 確定 takes the input method's conversion into the pending line, and
# 貼付 pastes it. Skipped (77) where the input method or the locale is missing.
. "$(dirname "$0")/lib.sh"

command -v uim-xim >/dev/null || { echo "SKIP: uim-xim is not installed"; exit 77; }
locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$' || { echo "SKIP: no ja_JP.UTF-8 locale"; exit 77; }

settings '[PMODE]' 'MODE=1' '[RECOG]' 'TIMER=2000' '[PAST]' 'TYPE=0' '[SENI]' 'EXEC=0'
start_target

export LANG=ja_JP.UTF-8 XMODIFIERS=@im=uim GTK_IM_MODULE=xim
uim-xim --engine=anthy-utf8 >"$WORK/uim.log" 2>&1 &
uim_ready() { xprop -root XIM_SERVERS | grep -q '@server=uim'; }
poll 5 uim_ready || fail "uim-xim did not register: $(cat "$WORK/uim.log")"

start_pad
wait_for '^GRAB on status=0'
write_char か 100 200 120
write_char な 300 200 120
wait_pending かな
select_chars 0 2

click_key 2
wait_for '^KBOX open '
wait_for '^KBOX typed' "$LOG" 5
sleep 1   # the input method converts
[ -n "${E2E_SHOTS:-}" ] && import -window root "$E2E_SHOTS/kanji-box.png"
box=$(grep '^KBOX open ' "$LOG")
# 確定 is the last key of the box's row.
click_at $(($(field x "$box") + $(field width "$box") - 15)) $(($(field y "$box") + $(field height "$box") / 2))
wait_for '^KBOX closed'
converted=$(pending_text)
[ -n "$converted" ] && [ "$converted" != かな ] || fail "no conversion in the pending line: \"$converted\""
grep '^PENDING ' "$LOG" | tail -n 1 | grep -q "start=${#converted} end=${#converted} " ||
  fail "caret not after the conversion: $(grep '^PENDING' "$LOG" | tail -n 1)"

click_key 35
wait_target "$converted"
echo "かな -> $converted, target: $converted"
stop_pad
echo PASS
