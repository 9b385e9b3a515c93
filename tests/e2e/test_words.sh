#!/bin/bash
# Without the word dictionary (SORENIX_WORD_DIC naming none) the pad says so once on
# standard error and still reads what is written. (With it, e2e_startup sees a silent
# start.)
. "$(dirname "$0")/lib.sh"

settings '[PMODE]' 'MODE=1' '[RECOG]' 'TIMER=2000' '[PAST]' 'TYPE=0'
export SORENIX_WORD_DIC=$WORK/no-dictionary
start_pad
wait_for '^GRAB on status=0'
write_char か 100 200 120
write_char な 300 200 120
wait_pending かな 10
[ "$(grep -c 'word dictionary' "$ERR")" = 1 ] || fail "the missing word dictionary was not noted exactly once"
stop_pad
echo PASS
