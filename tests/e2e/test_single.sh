#!/bin/bash
# Of two copies started at the same moment exactly one runs; the refused one says so
# in its message box and on standard error, and exits with 1. (Stale and planted pid files are left to
# the guard's own tests.)
. "$(dirname "$0")/lib.sh"

"$SORENIX" >"$WORK/a.log" 2>"$WORK/a.err" &
a=$!
"$SORENIX" >"$WORK/b.log" 2>"$WORK/b.err" &
b=$!
# The refused copy says so in its message box; answered, it ends.
poll 5 grep -q '^MSGBOX shown' "$WORK/a.log" "$WORK/b.log"
refused=$(grep -l '^FATAL 起動しています' "$WORK/a.log" "$WORK/b.log")
[ "$(wc -l <<<"$refused")" = 1 ] || fail "refused: '$refused'"
answer_box "$refused"
[ "$refused" = "$WORK/a.log" ] && wait_exit "$a" || wait_exit "$b"
[ "$EXIT_STATUS" = 1 ] || fail "the refused copy exited with $EXIT_STATUS"
kill -0 "$a" 2>/dev/null || kill -0 "$b" 2>/dev/null || fail "neither copy runs"
cat "$WORK/a.err" "$WORK/b.err" | grep -q '起動しています' || fail "the refused copy said nothing"
for p in $a $b; do kill -TERM "$p" 2>/dev/null; wait "$p"; done
echo PASS
