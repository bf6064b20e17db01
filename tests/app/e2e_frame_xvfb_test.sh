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
. "$(dirname "$0")/window_driver.sh"

open_window 1280x1024x24
shot="$work/shot.png"

geometry() { xdotool getwindowgeometry "$window" | awk '/Position/ {print $2} /Geometry/ {print $2}' | tr '\n' ' '; }

# wait_for_size TEST: polls the window's place and size (pos, size) for up to
# 3 s until TEST holds; returns 1 when it never does.
wait_for_size() {
  for _ in $(seq 30); do
    sleep 0.1
    read -r pos size <<<"$(geometry)"
    eval "$1" && return 0
  done
  return 1
}

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
  [ "$want" = "$got" ] || fail "frame pixel $px,$py: screen $got, skin $want"
  checked=$((checked + 1))
done
[ "$checked" -ge 2 ] || fail "too few corner pixels to compare"

# A caption double click maximizes, a second restores.
caption_x=$((window_width / 3))
caption_y=$((ct / 2))
xdotool mousemove --window "$window" "$caption_x" "$caption_y" click --repeat 2 --delay 80 1
wait_for_size '[ "$size" != "${window_width}x${window_height}" ]' ||
  fail "the caption double click did not maximize"
IFS=x read -r mw mh <<<"$size"
[ "$mw" -gt "$window_width" ] && [ "$mh" -gt "$window_height" ] || fail "maximized to $size"
xdotool mousemove --window "$window" "$caption_x" "$caption_y" click --repeat 2 --delay 80 1
wait_for_size '[ "$size" = "${window_width}x${window_height}" ]' && [ "$pos" = "$wx,$wy" ] ||
  fail "not restored: $pos $size"

# Pressed on the close button, released beside it: the window stays.
xdotool mousemove --window "$window" "$close_x" "$close_y"
sleep 0.3
xdotool mousedown 1
sleep 0.2
xdotool mousemove --window "$window" $((close_x - 120)) "$close_y"
sleep 0.2
xdotool mouseup 1
sleep 0.5
kill -0 "$app" 2>/dev/null || fail "closed by a release outside the close button"

# A click on it ends the program with status 0.
close_window
echo "frame corners, maximize, restore and close work"
