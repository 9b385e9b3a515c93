#!/bin/bash
# One copy per user, whatever the pid file holds or is: a pid file naming a live
# process (pid 1) does not block the start, a symlink planted in its place is not
# followed, and of two copies started at the same moment exactly one runs.
. "$(dirname "$0")/lib.sh"

mkdir -p "$HOME/.ZkCrec"
echo 1 >"$PIDFILE"
start_pad
[ "$(cat "$PIDFILE")" = "$PAD_PID" ] || fail "pid file holds '$(cat "$PIDFILE")', not $PAD_PID"
stop_pad

echo keep >"$WORK/victim"
ln -s "$WORK/victim" "$PIDFILE"
start_pad
[ "$(cat "$WORK/victim")" = keep ] || fail "the planted symlink was followed"
stop_pad
rm -f "$PIDFILE"

# Two starts at the same moment.
"$SORENIX" >"$WORK/a.log" 2>"$WORK/a.err" &
a=$!
"$SORENIX" >"$WORK/b.log" 2>"$WORK/b.err" &
b=$!
# The refused copy says so in its message box; answered, it ends.
poll 5 grep -q '^MSGBOX shown' "$WORK/a.log" "$WORK/b.log"
refused=$(grep -l '^FATAL 起動しています' "$WORK/a.log" "$WORK/b.log")
[ "$(wc -l <<<"$refused")" = 1 ] || fail "refused: '$refused'"
answer_box "$refused"
one_gone() { ! kill -0 "$a" || ! kill -0 "$b"; }
poll 5 one_gone
running=0
for p in $a $b; do kill -0 "$p" 2>/dev/null && running=$((running + 1)); done
[ $running = 1 ] || fail "$running of two copies run"
cat "$WORK/a.err" "$WORK/b.err" | grep -q '起動しています' || fail "the refused copy said nothing"
for p in $a $b; do kill -TERM "$p" 2>/dev/null; wait "$p"; done
echo PASS
