#!/usr/bin/env bash
# The error box on a real X server: with the service on a port that refuses
# connections, "伪原创" shows the socket error, ended by the "." rule, in a
# box titled with the program's name over the skinned window; OK closes it
# and both boxes keep what they held.
#   e2e_error_box_xvfb_test.sh PATH/TO/lumora
set -u
program="$1"
for tool in Xvfb xdotool xclip python3 import convert compare; do
  command -v "$tool" >/dev/null || { echo "missing $tool"; exit 1; }
done
. "$(dirname "$0")/skin_frame.sh"
. "$(dirname "$0")/xvfb_session.sh"
. "$(dirname "$0")/window_driver.sh"

# A port nothing listens on: bound once by the kernel's choice, then let go.
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
open_window 1024x768x24 --service "http://127.0.0.1:$port"

article='经济运行总体平稳。'
paste_into 300 150 "$article"
status_crop() {
  import -window root "$work/$1.png"
  convert "$work/$1.png" -crop "300x16+$(at_x 2)+$(at_y 621)" +repage "$work/$1-status.png"
}
status_crop before

click_client 560 596
box=""
for _ in $(seq 100); do
  for id in $(xdotool search --onlyvisible --name '^Lumora伪原创$' 2>/dev/null); do box=$id; done
  [ -n "$box" ] && break
  sleep 0.1
done
[ -n "$box" ] || fail "no error box appeared"
sleep 0.3
# The box lies over the window.
eval "$(xdotool getwindowgeometry --shell "$box")"
[ "$X" -ge "$wx" ] && [ "$Y" -ge "$wy" ] && [ "$X" -lt $((wx + window_width)) ] ||
  fail "the error box at $X,$Y is not over the window at $wx,$wy"
# The box's text is selectable: a click on it, select all, copy (the text
# starts right of the icon, on the first line).
printf '<nothing>' | xclip -selection clipboard >/dev/null 2>&1
xdotool mousemove $((X + 90)) $((Y + 20)) click 1
sleep 0.2
xdotool key ctrl+a ctrl+c
sleep 0.3
copied=$(xclip -selection clipboard -o 2>/dev/null | tr -d '\r')
case "$copied" in
  *'Socket Error # 10061'*'Connection refused.'*) ;;
  *) fail "the error box says: $copied" ;;
esac
xdotool key Tab Return
for _ in $(seq 50); do
  xdotool search --onlyvisible --name '^Lumora伪原创$' >/dev/null 2>&1 || break
  sleep 0.1
done
xdotool search --onlyvisible --name '^Lumora伪原创$' >/dev/null 2>&1 && fail "OK did not close the box"
status_crop after
compare -metric AE "$work/before-status.png" "$work/after-status.png" null: 2>/dev/null ||
  fail "the status line changed"
[ "$(box_text 300 150)" = "$article" ] || fail "the source box lost its text"
[ -z "$(box_text 300 450)" ] || fail "the output box was written"
kill -0 "$app" 2>/dev/null || fail "the program ended after the error"
echo "the error box said: $copied"
