#!/bin/bash
# A damaged user dictionary loses nothing the user taught. 木 and 山 are taught and one
# byte of Crecs.upt is damaged: the next start says so in a message box and on standard
# error, keeps the damaged file as Crecs.upt.damaged, registers both again from their
# samples in Learn.dat and lists them in the browser (saying that a torn record at the
# end of Learn.dat could not be read); after 川 is taught the next start
# finds all three in the dictionary and nothing to mend. A temporary file the safe
# writer left in a crash is removed at start; a file of the user's is not.
. "$(dirname "$0")/lib.sh"

DIC=$HOME/.ZkCrec/Crecs.upt

# teach CHARACTER N [box]: its name in the left area, its sample (the N-th of this
# run) in the right one, then 登録 (and OK to the message box it shows with "box").
teach() {
  local lx ly rx ry boxes
  IFS=, read -r lx ly _ _ <<<"$(field left "$UDIC")"
  IFS=, read -r rx ry _ _ <<<"$(field right "$UDIC")"
  write_char "$1" $((lx + 25)) $((ly + 15)) 160
  wait_for "^UDIC name=$1"
  write_char "$1" $((rx + 25)) $((ry + 15)) 160
  wait_count '^UDIC sample ' "$2"
  boxes=$(grep -c '^MSGBOX shown' "$LOG")
  click_at $(key_of "$UDIC" 1)
  if [ "${3:-}" = box ]; then
    wait_count '^MSGBOX shown' $((boxes + 1))
    answer_box "$LOG"
  fi
  wait_for "^UDIC registered $1"
}

settings '[PMODE]' 'MODE=0' '[RECOG]' 'TIMER=900' '[SENI]' 'EXEC=0' '[DSLEEP]' 'TIME=0'
start_pad
open_udic
teach 木 1
teach 山 2
stop_pad

# The first group of the only sub-dictionary now starts far beyond its block.
printf '\377' | dd of="$DIC" bs=1 seek=529 conv=notrunc status=none
cp "$DIC" "$WORK/damaged"
leftover=$HOME/.ZkCrec/Learn.dat.0123456789abcdef.tmp
mine=$HOME/.ZkCrec/notes.0123456789abcdef.tmp
touch "$leftover" "$mine"

start_pad
wait_for '^UDIC check dictionary=[^ ]*/Crecs.upt.damaged learn=- registered=2 '
answer_box "$LOG"
grep -q 'Crecs.upt.damaged' "$ERR" || fail "nothing said on standard error"
cmp -s "$WORK/damaged" "$DIC.damaged" || fail "the damaged file was not kept as it was"
[ -e "$leftover" ] && fail "the writer's leftover is still there"
[ -e "$mine" ] || fail "a file of the user's was removed"
# A torn record at the end of Learn.dat, met by 一覧: said in a box, the rest listed.
printf '\244' >>"$HOME/.ZkCrec/Learn.dat"
open_udic
boxes=$(grep -c '^MSGBOX shown' "$LOG")
click_at $(key_of "$UDIC" 4)
wait_count '^MSGBOX shown' $((boxes + 1))
answer_box "$LOG"
wait_for '^UDICDSP page=1/1 cells=木|山||||||$'
click_at $(key_of "$(grep '^UDICDSP shown' "$LOG")" 5)
wait_for '^UDICDSP closed'
teach 川 1 box  # the box: the torn Learn.dat was kept before 川 was added
stop_pad
[ -e "$HOME/.ZkCrec/Learn.dat.damaged" ] || fail "the torn Learn.dat was not kept"

start_pad
wait_for '^UDIC check dictionary=- learn=- registered=0 unregistrable=0'
stop_pad
cmp -s "$WORK/damaged" "$DIC.damaged" || fail "the kept copy changed"
echo PASS
