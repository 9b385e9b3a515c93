# Helpers of the end-to-end tests, sourced by each test_*.sh (run inside with-xvfb.sh).
# The program under test is $1; every run gets a fresh HOME and the trace on.
set -u
SORENIX=$1
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
export HOME=$WORK/home
mkdir -p "$HOME"
export SORENIX_TRACE=1 G_DEBUG=fatal-criticals
LOG=$WORK/trace.log
ERR=$WORK/stderr.log
PAD_PID=

fail() { echo "FAIL: $*" >&2; [ -f "$LOG" ] && sed 's/^/  trace: /' "$LOG" | grep -v ' KEY ' >&2; exit 1; }

# wait_for PATTERN [FILE] [SECONDS]: polls every 50 ms.
wait_for() {
  local pattern=$1 file=${2:-$LOG} limit=${3:-5} i
  for ((i = 0; i < limit * 20; i++)); do
    grep -q -- "$pattern" "$file" 2>/dev/null && return 0
    sleep 0.05
  done
  fail "no \"$pattern\" in $(basename "$file") after ${limit}s"
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

# key_centre K: root position of the centre of main-window key K, wherever the
# window stands now.
key_centre() {
  local line x y
  line=$(grep "^KEY $1 " "$LOG") || fail "no key $1"
  read -r x y _ <<<"$(geometry "$XID")"
  echo "$((x + $(field x "$line") + $(field width "$line") / 2))" \
       "$((y + $(field y "$line") + $(field height "$line") / 2))"
}

click_at() { xdotool mousemove "$1" "$2" click 1; }
click_key() { click_at $(key_centre "$1"); }

# geometry XID: "x y width height" of a window, as the X server has it.
geometry() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
    /^ *Width:/{w=$NF} /^ *Height:/{h=$NF} END{print x, y, w, h}'
}

# wait_geometry XID "x y w h" [SECONDS]
wait_geometry() {
  local i now
  for ((i = 0; i < ${3:-5} * 20; i++)); do
    now=$(geometry "$1")
    [ "$now" = "$2" ] && return 0
    sleep 0.05
  done
  fail "window $1 is at \"$now\", expected \"$2\""
}

# wait_exit PID [SECONDS]: waits for the process and sets EXIT_STATUS.
wait_exit() {
  local i
  for ((i = 0; i < ${2:-5} * 20; i++)); do
    if ! kill -0 "$1" 2>/dev/null; then
      wait "$1"
      EXIT_STATUS=$?
      return 0
    fi
    sleep 0.05
  done
  fail "process $1 still runs after ${2:-5}s"
}

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
wait_shade() {
  local i
  for ((i = 0; i < 40; i++)); do
    [ "$(key_shade "$1")" = "$2" ] && return 0
    sleep 0.05
  done
  fail "key $1 is not $2"
}
