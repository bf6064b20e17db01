#!/usr/bin/env bash
# The output box's skinned context menu on a real X server: rewrite an
# article, right-click the output box, check the menu window is drawn from
# the skin's popup picture, then choose "全选" and "复制" with the mouse and
# find the rewritten text on the clipboard.
#   e2e_menu_xvfb_test.sh PATH/TO/lumora PATH/TO/lumora-skin
set -u
program="$1"
skin_tool="$2"
for tool in Xvfb xdotool xclip import convert; do
  command -v "$tool" >/dev/null || { echo "missing $tool"; exit 1; }
done
. "$(dirname "$0")/skin_frame.sh"
. "$(dirname "$0")/xvfb_session.sh"

start_xvfb 1024x768x24
app=""
work=$(mktemp -d)
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work" "$skin_dir" "${xvfb_log:-}"
}
trap cleanup EXIT

"$skin_tool" unpack "$work/skin" >/dev/null || { echo "could not unpack the skin"; exit 1; }
"$program" >/dev/null 2>"$work/log" &
app=$!

find_main_window
[ -n "$window" ] || { echo "no window appeared:"; cat "$work/log"; exit 1; }

article='今年前三季度，我国经济运行总体平稳。'
for _ in $(seq 20); do
  printf '%s' "$article" | xclip -selection clipboard
  xdotool mousemove --window "$window" $((frame_left + 300)) $((frame_top + 150)) click 1
  xdotool key --window "$window" ctrl+a ctrl+v
  sleep 0.2
  xdotool key --window "$window" ctrl+a ctrl+c
  [ "$(xclip -selection clipboard -o 2>/dev/null)" = "$article" ] && break
  sleep 0.3
done
xdotool mousemove --window "$window" $((frame_left + 560)) $((frame_top + 596)) click 1
sleep 1

pixel() { convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:; }
# The menu opens with its top-left corner at the pointer; item i (from 0) is
# centred 3 + 24 i + 12 pixels below it in the built-in skin.
open_menu() {
  xdotool mousemove --window "$window" $((frame_left + 300)) $((frame_top + 450)) click 3
  sleep 0.4
  eval "$(xdotool getmouselocation --shell)"
}
choose() {
  xdotool mousemove $((X + 30)) $((Y + 15 + 24 * $1))
  sleep 0.2
  xdotool click 1
  sleep 0.3
}

printf 'nothing' | xclip -selection clipboard
open_menu
import -window root "$work/open.png"
# The menu's left border comes from the popup picture (pw.bmp) at x 1.
want=$(pixel "$work/skin/pw.bmp" 1 20)
got=$(pixel "$work/open.png" $((X + 1)) $((Y + 20)))
[ "$want" = "$got" ] || { echo "the menu's border is $got, the popup picture's $want"; exit 1; }
choose 0
open_menu
choose 1
result=$(xclip -selection clipboard -o 2>/dev/null)
case "$result" in
  本站讯：*本站记者：XXX) echo "copied through the skinned menu: $result"; exit 0 ;;
esac
echo "unexpected clipboard: $result"
exit 1
