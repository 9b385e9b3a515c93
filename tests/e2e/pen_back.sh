# The body of the pen-return tests, sourced by test_pen_back*.sh after lib.sh (with
# WM=openbox to run under a window manager). In pen input the pointer grab comes back
# after each thing that takes it away: dragging the main window, a quick drag of the
# ten-key pad, opening and closing the keyboard selector, and a message box. After
# each, a character written on the screen is recognised; the quick drag of the ten-key
# pad moves that pad alone.

[ "${WM:-}" = openbox ] && start_openbox

# grab_back N: the pen grab is taken for the Nth time, successfully.
grab_back() { wait_count '^GRAB on status=0' "$1"; }

settings '[PMODE]' 'MODE=1' '[RECOG]' 'TIMER=2000' '[SENI]' 'EXEC=0'
start_pad
grab_back 1

# The main window dragged by its strip.
read -r x y _ <<<"$(geometry "$XID")"
xdotool mousemove $((x + 300)) $((y + 10)) mousedown 1 mousemove $((x + 350)) $((y - 40)) \
  mousemove $((x + 400)) $((y - 100)) mouseup 1
wait_for '^DRAG end'
wait_geometry "$XID" "$((x + 100)) $((y - 110)) 772 92"
grab_back 2
write_char 木 100 100 120
wait_pending 木

# The ten-key pad, dragged in one quick move: it goes, the main window stays.
click_key 38
wait_for '^TENKEY shown '
TENKEY_XID=$(field xid "$(grep '^TENKEY shown ' "$LOG" | tail -n 1)")
read -r mx my mw mh <<<"$(geometry "$XID")"
read -r tx ty _ <<<"$(geometry "$TENKEY_XID")"
xdotool mousemove $((tx + 50)) $((ty + 8)) mousedown 1 mousemove $((tx - 50)) $((ty + 38)) mouseup 1
wait_count '^DRAG end' 2
wait_geometry "$TENKEY_XID" "$((tx - 100)) $((ty + 30)) 165 265"
wait_geometry "$XID" "$mx $my $mw $mh"
grab_back 3
write_char 山 300 100 120
wait_pending 木山

# The keyboard selector opened and closed again by a press beside it.
click_key 44
wait_for '^LIST open which=0'
click_at 600 50
wait_for '^LIST closed which=0'
grab_back 4
write_char 大 500 100 120
wait_pending 木山大

# A message box (漢変 without an input method) answered with OK.
select_chars 0 1
click_key 2
answer_box "$LOG"
wait_for '^MSGBOX answer 1'
grab_back 5
write_char 田 100 300 120
wait_pending 田山大
stop_pad
echo PASS
