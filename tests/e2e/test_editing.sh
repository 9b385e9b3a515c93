#!/bin/bash
# Correcting written characters: 結分 splits 林 into two characters and joins them
# into 林 again. 大小 turns つ into づ and then っ, a digit key and a symbol key type
# at the caret, and 貼付 pastes the result.
. "$(dirname "$0")/lib.sh"

settings '[PMODE]' 'MODE=1' '[RECOG]' 'TIMER=2000' '[PAST]' 'TYPE=0' '[SENI]' 'EXEC=0'
start_target
start_pad
wait_for '^GRAB on status=0'

# 林 written as usual is one character; 結分 splits it at the widest gap between its
# strokes and joins the two halves into 林 again.
write_char 林 100 200 150
wait_pending 林

select_chars 0 1
click_key 1
wait_for '^PENDING count=2 start=2 end=2 '
split=$(pending_text)
[ -n "${E2E_SHOTS:-}" ] && import -window root "$E2E_SHOTS/editing-split.png"

select_chars 0 2
click_key 1
wait_pending 林
grep '^PENDING ' "$LOG" | tail -n 1 | grep -q 'count=1 start=1 end=1 ' || fail "after the join: $(grep '^PENDING' "$LOG" | tail -n 1)"

select_chars 0 1
click_key 36
wait_for '^PENDING count=0 '

write_char つ 150 200 120
wait_pending つ
select_chars 0 1
click_key 3
wait_pending づ
click_key 3
wait_pending っ

click_at $(pending_at 1)
click_key 12       # ０
wait_pending っ０
click_at $(pending_at 0)
click_key 7        # 、
wait_pending 、っ０
[ -n "${E2E_SHOTS:-}" ] && import -window root "$E2E_SHOTS/editing-symbols.png"

click_key 35
wait_target 、っ０
echo "split: $split, joined: 林, target: 、っ０"
stop_pad
echo PASS
