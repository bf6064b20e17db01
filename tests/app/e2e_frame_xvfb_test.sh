#!/usr/bin/env bash
# The skinned frame on a real X server: the window shows the skin's frame
# corners, a caption double click maximizes it and a second restores it, a
# press on the close button released elsewhere keeps it, and a click on the
# close button ends the program with status 0.
#   e2e_frame_xvfb_test.sh PATH/TO/lumora
set -u
program="$1"
for tool in Xvfb xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "missing $tool"; exit 1; }
done
. "$(dirname "$0")/skin_frame.sh"
. "$(dirname "$0")/xvfb_session.sh"

start_xvfb 1280x1024x24
app=""
shot=$(mktemp --suffix=.png)
log=$(mktemp)
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$skin_dir" "$shot" "$log" "${xvfb_log:-}"
}
trap cleanup EXIT

"$program" >/dev/null 2>"$log" &
app=$!

find_main_window
[ -n "$window" ] || { echo "no ${window_width}x${window_height} window"; cat "$log"; exit 1; }
sleep 0.5

geometry() { xdotool getwindowgeometry "$window" | awk '/Position/ {print $2} /Geometry/ {print $2}' | tr '\n' ' '; }
read -r pos size <<<"$(geometry)"
IFS=, read -r wx wy <<<"$pos"

# pixel FILE X Y: the colour as r,g,b
pixel() { convert "$1" -format '%[fx:int(255*p{'"$2"','"$3"'}.r)],%[fx:int(255*p{'"$2"','"$3"'}.g)],%[fx:int(255*p{'"$2"','"$3"'}.b)]' info:; }

# Frame corners: where the mask keeps them, the screen shows the main
# picture's corner pixels one to one (the right and bottom ones moved with
# the window's size).
import -window root "$shot"
dx=$((window_width - pw))
dy=$((window_height - ph))
checked=0
for point in "2 $((ct - 2)) 0 0" "$((pw - 3)) $((ct - 1)) $dx 0" "2 $((ph - 2)) 0 $dy" \
             "$((pw - 3)) $((ph - 2)) $dx $dy"; do
  read -r px py ox oy <<<"$point"
  [ "$(pixel "$skin_dir/mask.bmp" "$px" "$py")" = "0,0,0" ] || continue
  want=$(pixel "$skin_dir/main.bmp" "$px" "$py")
  got=$(pixel "$shot" $((wx + px + ox)) $((wy + py + oy)))
  [ "$want" = "$got" ] || { echo "frame pixel $px,$py: screen $got, skin $want"; exit 1; }
  checked=$((checked + 1))
done
[ "$checked" -ge 2 ] || { echo "too few corner pixels to compare"; exit 1; }

# A caption double click maximizes, a second restores.
caption_x=$((window_width / 3))
caption_y=$((ct / 2))
xdotool mousemove --window "$window" "$caption_x" "$caption_y" click --repeat 2 --delay 80 1
maximized=""
for _ in $(seq 30); do
  sleep 0.1
  read -r pos size <<<"$(geometry)"
  [ "$size" != "${window_width}x${window_height}" ] && { maximized=$size; break; }
done
[ -n "$maximized" ] || { echo "the caption double click did not maximize"; exit 1; }
IFS=x read -r mw mh <<<"$maximized"
[ "$mw" -gt "$window_width" ] && [ "$mh" -gt "$window_height" ] || {
  echo "maximized to $maximized"; exit 1; }
xdotool mousemove --window "$window" "$caption_x" "$caption_y" click --repeat 2 --delay 80 1
restored=""
for _ in $(seq 30); do
  sleep 0.1
  read -r pos size <<<"$(geometry)"
  [ "$size" = "${window_width}x${window_height}" ] && { restored=$pos; break; }
done
[ "$restored" = "$wx,$wy" ] || { echo "not restored: $pos $size"; exit 1; }

# Pressed on the close button, released beside it: the window stays.
xdotool mousemove --window "$window" "$close_x" "$close_y"
sleep 0.3
xdotool mousedown 1
sleep 0.2
xdotool mousemove --window "$window" $((close_x - 120)) "$close_y"
sleep 0.2
xdotool mouseup 1
sleep 0.5
kill -0 "$app" 2>/dev/null || { echo "closed by a release outside the close button"; exit 1; }

# A click on it ends the program with status 0.
xdotool mousemove --window "$window" "$close_x" "$close_y"
sleep 0.3
xdotool click 1
for _ in $(seq 100); do
  kill -0 "$app" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$app" 2>/dev/null; then echo "still running after the close button"; exit 1; fi
wait "$app"
status=$?
app=""
[ "$status" -eq 0 ] || { echo "exit status $status"; cat "$log"; exit 1; }
echo "frame corners, maximize, restore and close work"
