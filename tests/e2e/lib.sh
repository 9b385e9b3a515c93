# Helpers of the end-to-end tests, sourced by each test_*.sh (run inside with-xvfb.sh).
# The program under test is $1; every run gets a fresh HOME and the trace on.
set -u
SORENIX=$1
WORK=$(mktemp -d)
# E2E_KEEP=DIR keeps the logs of the run there.
trap '[ -n "${E2E_KEEP:-}" ] && cp "$WORK"/*.log "$E2E_KEEP"/ 2>/dev/null; rm -rf "$WORK"' EXIT
export HOME=$WORK/home
mkdir -p "$HOME"
export SORENIX_TRACE=1 G_DEBUG=fatal-criticals
LOG=$WORK/trace.log
ERR=$WORK/stderr.log
PAD_PID=

fail() {
  echo "FAIL: $*" >&2
  [ -f "$LOG" ] && sed 's/^/  trace: /' "$LOG" | grep -v ' KEY ' >&2
  [ -s "$ERR" ] && sed 's/^/  stderr: /' "$ERR" >&2
  exit 1
}

# poll SECONDS COMMAND...: true as soon as COMMAND succeeds (tried every 50 ms),
# false when it has not within SECONDS.
poll() {
  local i
  for ((i = 0; i < $1 * 20; i++)); do
    "${@:2}" 2>/dev/null && return 0
    sleep 0.05
  done
  return 1
}

# wait_for PATTERN [FILE] [SECONDS]
wait_for() {
  poll "${3:-5}" grep -q -- "$1" "${2:-$LOG}" || fail "no \"$1\" in $(basename "${2:-$LOG}") after ${3:-5}s"
}

# start_pad: starts the program with empty logs and waits for its READY line.
start_pad() {
  : >"$LOG"
  : >"$ERR"
  "$SORENIX" "$@" >"$LOG" 2>"$ERR" &
  PAD_PID=$!
  wait_for '^READY '
  READY=$(grep '^READY ' "$LOG")
  XID=$(field xid "$READY")
}

# field NAME LINE: the value of NAME=value in a trace line.
field() { sed -n "s/.* $1=\([^ ]*\).*/\1/p" <<<"$2"; }

# centre_of XID LINE: root position of the centre of the box (x=, y=, width=, height=)
# a trace line gives inside window XID, wherever the window stands now.
centre_of() {
  local x y
  read -r x y _ <<<"$(geometry "$1")"
  echo "$((x + $(field x "$2") + $(field width "$2") / 2))" "$((y + $(field y "$2") + $(field height "$2") / 2))"
}

# key_centre K: root position of the centre of main-window key K.
key_centre() { centre_of "$XID" "$(grep "^KEY $1 " "$LOG" || fail "no key $1")"; }

click_at() { xdotool mousemove "$1" "$2" click 1; }
# click_pair X,Y: clicks at a position a trace line gives as one field.
click_pair() { click_at "${1%,*}" "${1#*,}"; }

# key_of LINE N: centre "x y" of the N-th (from 1) key of a trace line's keys= list.
key_of() { field keys "$1" | cut -d';' -f"$2" | tr , ' '; }

# stop_pad: ends the pad with SIGTERM and waits for it (sets EXIT_STATUS).
stop_pad() {
  kill -TERM "$PAD_PID"
  wait_exit "$PAD_PID"
}

# answer_box LOG: answers with OK the message box that the copy tracing to LOG shows
# (a copy that stops shows its reason there before it exits).
answer_box() {
  wait_for '^MSGBOX shown' "$1"
  click_pair "$(field ok "$(grep '^MSGBOX shown' "$1" | tail -n 1)")"
}
click_key() { click_at $(key_centre "$1"); }

# geometry XID: "x y width height" of a window, as the X server has it.
geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
    /^ *Width:/{w=$NF} /^ *Height:/{h=$NF} END{print x, y, w, h}'
}

# wait_geometry XID "x y w h" [SECONDS]
wait_geometry() { poll "${3:-5}" at_geometry "$1" "$2" || fail "window $1 is at \"$(geometry "$1")\", expected \"$2\""; }
at_geometry() { [ "$(geometry "$1")" = "$2" ]; }

# wait_count PATTERN N: at least N trace lines match.
wait_count() { poll 5 count_reaches "$1" "$2" || fail "fewer than $2 lines \"$1\""; }
count_reaches() { [ "$(grep -c -- "$1" "$LOG")" -ge "$2" ]; }

# wait_exit PID [SECONDS]: waits for the process and sets EXIT_STATUS.
wait_exit() {
  poll "${2:-5}" gone "$1" || fail "process $1 still runs after ${2:-5}s"
  wait "$1"
  EXIT_STATUS=$?
}
gone() { ! kill -0 "$1"; }

# wait_file_text FILE TEXT: FILE holds exactly TEXT (one line).
wait_file_text() { poll 5 file_is "$1" "$2" || fail "$(basename "$1") holds \"$(cat "$1" 2>/dev/null)\", expected \"$2\""; }
file_is() { [ "$(cat "$1")" = "$2" ]; }

# app_window TITLE: the XID of the client window titled TITLE, once it is mapped.
app_window() {
  poll 10 visible "$1" || fail "no window \"$1\""
  xdotool search --onlyvisible --name "^$1\$" | head -n 1
}
visible() { [ -n "$(xdotool search --onlyvisible --name "^$1\$" | head -n 1)" ]; }

# start_openbox: a window manager for the tests that run under one.
start_openbox() {
  command -v openbox >/dev/null || { echo "SKIP: openbox is not installed"; exit 77; }
  openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
  poll 10 wm_running || fail "openbox did not start"
}
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'; }

SCREEN_H=$(xdpyinfo | awk '/dimensions:/{split($2, d, "x"); print d[2]}')
SETTINGS=$HOME/.ZkCrec/Sorenix.dat
PIDFILE=$HOME/.ZkCrec/Sorenix.pid

# key_shade K: "dark" or "light", the face colour of main-window key K near its
# lower left corner (inside the bevel, away from the text).
key_shade() {
  local line x y px
  line=$(grep "^KEY $1 " "$LOG") || fail "no key $1"
  read -r x y _ <<<"$(geometry "$XID")"
  x=$((x + $(field x "$line") + 4))
  y=$((y + $(field y "$line") + $(field height "$line") - 5))
  px=$(import -window root -crop "1x1+$x+$y" txt:- | sed -n 's/.*#\([0-9A-F]\{6\}\).*/\1/p')
  [ $((16#${px:0:2} + 16#${px:2:2} + 16#${px:4:2})) -lt 384 ] && echo dark || echo light
}

# wait_shade K SHADE
wait_shade() { poll 2 shade_is "$1" "$2" || fail "key $1 is not $2"; }
shade_is() { [ "$(key_shade "$1")" = "$2" ]; }

# open_udic: 設定, then 学習辞書 in the options dialog; UDIC is the dialog's trace line.
open_udic() {
  click_key 37
  wait_for '^OPTION shown'
  click_pair "$(field udic "$(grep '^OPTION shown' "$LOG" | tail -n 1)")"
  wait_for '^UDIC shown'
  UDIC=$(grep '^UDIC shown' "$LOG" | tail -n 1)
}

# --- Writing with the pad ---------------------------------------------------------

# settings SECTION VALUES...: writes a settings file with these sections before the
# start (the rest keeps its defaults). Example: settings '[PMODE]' 'MODE=1'
settings() {
  mkdir -p "$HOME/.ZkCrec"
  : >"$SETTINGS"
  while [ $# -ge 2 ]; do
    printf '%s\n%s\n\n' "$1" "$2" >>"$SETTINGS"
    shift 2
  done
}

# start_target [FOCUS]: the application to type into, given the focus by the command
# FOCUS XID (xdotool windowfocus by default); sets TARGET_XID, TARGET_PID, TARGET_LOG.
start_target() {
  TARGET_LOG=$WORK/target.log
  : >"$TARGET_LOG"
  "$E2E_TARGET" >"$TARGET_LOG" 2>&1 &
  TARGET_PID=$!
  wait_for '^READY ' "$TARGET_LOG"
  TARGET_XID=$(field xid "$(grep '^READY ' "$TARGET_LOG")")
  ${1:-xdotool windowfocus --sync} "$((TARGET_XID))"
}

# write_char CHARACTER LEFT TOP SIZE: draws the character's strokes (from KanjiVG) on
# the screen with the pointer, one press-drag-release per stroke.
write_char() {
  "$E2E_STROKES" "$E2E_KANJIVG" "$1" "$2" "$3" "$4" >"$WORK/strokes" || fail "no strokes for $1"
  draw_strokes "$WORK/strokes"
}

# draw_strokes FILE: one press-drag-release per line of "x,y x,y ...".
draw_strokes() {
  local line args p
  while read -r line; do
    args=()
    for p in $line; do args+=(mousemove "${p%,*}" "${p#*,}"); done
    # The press comes after the first move, the release after the last.
    xdotool "${args[@]:0:3}" mousedown 1 "${args[@]:3}" mouseup 1
  done <"$1"
}

# pending_text: the text of the last PENDING line.
pending_text() { grep '^PENDING ' "$LOG" | tail -n 1 | sed 's/.* text=//'; }

# wait_pending TEXT [SECONDS]
wait_pending() { poll "${2:-10}" pending_is "$1" || fail "pending text is \"$(pending_text)\", expected \"$1\""; }
pending_is() { [ "$(pending_text)" = "$1" ]; }

# wait_target TEXT: the target's entry holds exactly TEXT.
wait_target() { poll 5 target_is "$1" || fail "target has \"$(target_text)\", expected \"TEXT[$1]\""; }
target_text() { grep '^TEXT\[' "$TARGET_LOG" | tail -n 1; }
target_is() { [ "$(target_text)" = "TEXT[$1]" ]; }

# select_chars FROM TO: drags over the pending line from before character FROM to
# before TO and waits for the selection.
select_chars() {
  xdotool mousemove $(pending_at "$1") mousedown 1 mousemove $(pending_at "$2") mouseup 1
  wait_for "^PENDING count=[0-9]* start=$1 end=$2 "
}

# pending_at INDEX: root position in the pending text before character INDEX.
pending_at() {
  local x y
  read -r x y _ <<<"$(geometry "$XID")"
  echo "$((x + 37 + 15 * $1 + 7))" "$((y + 36))"
}
