#!/bin/bash
# with-xvfb.sh [--timeout S] CMD...   runs CMD under a private Xvfb (1024x768) and
# leaves no process behind: Xvfb and everything CMD started are ended afterwards.
set -u
limit=300
[ "${1:-}" = --timeout ] && { limit=$2; shift 2; }
dir=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
xvfb=$!
test_pgid=
cleanup() {
  [ -n "$test_pgid" ] && kill -TERM -- "-$test_pgid" 2>/dev/null
  kill -TERM "$xvfb" 2>/dev/null
  wait "$xvfb" 2>/dev/null
  rm -rf "$dir"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
# -displayfd writes the display number once the server accepts clients.
for _ in $(seq 100); do
  [ -s "$dir/display" ] && break
  kill -0 "$xvfb" 2>/dev/null || { cat "$dir/xvfb.log" >&2; exit 1; }
  sleep 0.1
done
[ -s "$dir/display" ] || { echo "Xvfb not ready after 10 s" >&2; exit 1; }
export DISPLAY=":$(cat "$dir/display")"
export LANG=${TEST_LANG:-C.UTF-8} LC_ALL= GTK_IM_MODULE= XMODIFIERS=
setsid timeout -k 5 "$limit" "$@" &
test_pgid=$!
wait "$test_pgid"
rc=$?
[ $rc = 124 ] && echo "test timed out after ${limit}s" >&2
exit $rc
