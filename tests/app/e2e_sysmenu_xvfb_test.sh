#!/usr/bin/env bash
# The frame's system menu on a real X server: Alt+Space opens it skinned
# below the system-menu button with four items and a separator, Escape
# closes it, its items maximize and restore the window; a right click on
# the caption opens it at the pointer, where it rolls the window up and
# back; near the screen's bottom-right corner it opens upwards and stays on
# the screen.
#   e2e_sysmenu_xvfb_test.sh PATH/TO/lumora
set -u
program="$1"
. "$(dirname "$0")/xvfb_session.sh"
require_tools Xvfb xdotool import convert
. "$(dirname "$0")/skin_frame.sh"

screen_w=1280
screen_h=1024
start_session "${screen_w}x${screen_h}x24"

"$program" >/dev/null 2>"$work/log" &
app=$!
find_main_window
[ -n "$window" ] || { echo "no ${window_width}x${window_height} window"; cat "$work/log"; exit 1; }
sleep 0.5

geometry() { xdotool getwindowgeometry "$window" | awk '/Position/ {print $2} /Geometry/ {print $2}' | tr '\n' ' '; }
# wait_size WxH: waits up to 3 s for the window to take that size.
wait_size() {
  for _ in $(seq 30); do
    read -r pos size <<<"$(geometry)"
    [ "$size" = "$1" ] && return 0
    sleep 0.1
  done
  echo "the window is $size, not $1"
  exit 1
}

# The menu level of the system menu: four items and a separator in the
# popup picture's frame.
IFS=, read -r il it ir ib <<<"$(key itemsrect POPUPWINDOW)"
IFS=, read -r _ mt _ mb <<<"$(key skinrect menuitem)"
IFS=, read -r _ dt _ db <<<"$(key dividerrect menuitem)"
read -r popup_w popup_h <<<"$(convert "$skin_dir/pw.bmp" -format '%w %h' info:)"
menu_h=$((4 * (mb - mt) + (db - dt) + popup_h - (ib - it)))
# The system-menu button: its own picture's size, at the caption
# rectangle's left, centred in it.
IFS=, read -r cpl cpt cpr cpb <<<"$(key captionrect FORMINFO)"
IFS=, read -r sl st sr sb <<<"$(key skinrect sysmenubutton)"
button_top=$((cpt + (cpb - cpt - (sb - st)) / 2))
button_bottom=$((button_top + sb - st))

# menu_at X Y SHOT: the menu level's left border and bottom-left corner are
# the popup picture's (where its mask keeps them), and the row below it is
# not.
menu_at() {
  local want got
  want=$(pixel "$skin_dir/pw.bmp" 1 $((popup_h / 2)))
  got=$(pixel "$3" $(($1 + 1)) $(($2 + popup_h / 2)))
  [ "$want" = "$got" ] || { echo "no menu border at $1,$2: $got, the popup picture's $want"; return 1; }
  want=$(pixel "$skin_dir/pw.bmp" 2 $((popup_h - 3)))
  got=$(pixel "$3" $(($1 + 2)) $(($2 + menu_h - 3)))
  [ "$want" = "$got" ] || { echo "the menu is not $menu_h high: $got, the popup picture's $want"; return 1; }
}

# Keyboard focus in the window, then Alt+Space.
xdotool mousemove --window "$window" $((frame_left + 300)) $((frame_top + 150)) click 1
sleep 0.3
read -r pos size <<<"$(geometry)"
IFS=, read -r wx wy <<<"$pos"
import -window root "$work/before.png"
xdotool key alt+space
sleep 0.5
import -window root "$work/altspace.png"
menu_at $((wx + cpl)) $((wy + button_bottom)) "$work/altspace.png" || exit 1
xdotool key Escape
sleep 0.4
import -window root "$work/closed.png"
x=$((wx + cpl + 1))
y=$((wy + button_bottom + popup_h / 2))
[ "$(pixel "$work/closed.png" $x $y)" = "$(pixel "$work/before.png" $x $y)" ] || {
  echo "Escape left the menu open"; exit 1; }

# Minimize is highlighted on opening; Down and Enter choose Maximize.
xdotool key alt+space
sleep 0.4
xdotool key Down Return
for _ in $(seq 30); do
  read -r pos size <<<"$(geometry)"
  [ "$size" != "${window_width}x${window_height}" ] && break
  sleep 0.1
done
IFS=x read -r mw mh <<<"$size"
[ "$mw" -gt "$window_width" ] && [ "$mh" -gt "$window_height" ] || {
  echo "Maximize from the menu gave $size"; exit 1; }
# Maximized, the second item is Restore.
xdotool key alt+space
sleep 0.4
xdotool key Down Return
wait_size "${window_width}x${window_height}"

# A right click on the caption opens the menu at the pointer; its third
# item rolls the window up to its frame, and then the third is Restore.
frame_height=$((ph - (cb - ct)))
caption_x=$((window_width / 3))
caption_y=$((ct / 2))
xdotool mousemove --window "$window" "$caption_x" "$caption_y" click 3
sleep 0.5
import -window root "$work/caption.png"
eval "$(xdotool getmouselocation --shell)"
menu_at "$X" "$Y" "$work/caption.png" || exit 1
xdotool key Down Down Return
wait_size "${window_width}x${frame_height}"
xdotool mousemove --window "$window" "$caption_x" "$caption_y" click 3
sleep 0.5
xdotool key Down Down Return
wait_size "${window_width}x${window_height}"

# Near the screen's bottom-right corner the menu opens upwards, ending at
# the pointer, and moves left to end at the screen's right edge.
xdotool windowmove "$window" $((screen_w - 200)) $((screen_h - 60))
sleep 0.5
xdotool mousemove --window "$window" 150 "$caption_y" click 3
sleep 0.5
import -window root "$work/edge.png"
eval "$(xdotool getmouselocation --shell)"
want=$(pixel "$skin_dir/pw.bmp" $((popup_w - 3)) $((popup_h - 3)))
got=$(pixel "$work/edge.png" $((screen_w - 3)) $((Y - 3)))
[ "$want" = "$got" ] || { echo "the menu's bottom-right corner is not at $screen_w,$Y: $got, want $want"; exit 1; }
want=$(pixel "$skin_dir/pw.bmp" $((popup_w - 3)) 2)
got=$(pixel "$work/edge.png" $((screen_w - 3)) $((Y - menu_h + 2)))
[ "$want" = "$got" ] || { echo "the menu's top-right corner is not $menu_h above the pointer"; exit 1; }
xdotool key Escape
echo "the system menu opens skinned with Alt+Space and on the caption, and its items work"
