#!/usr/bin/env bash
# Makes docs/window.png, the picture of the real window that the README
# shows first: the program on a private X server with an example article
# pasted, rewritten, and the output box's skinned menu open.
#   scripts/screenshot.sh [PATH/TO/lumora] [OUT.png]
# Needs Xvfb, xdotool, xclip and ImageMagick (scripts/setup.sh installs them).
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
program="${1:-$root/build/bin/lumora}"
out="${2:-$root/docs/window.png}"
[ -x "$program" ] || { echo "no program at $program (build first: scripts/build.sh)"; exit 1; }
for tool in Xvfb xdotool xclip import convert; do
  command -v "$tool" >/dev/null || { echo "missing $tool"; exit 1; }
done
. "$root/tests/app/skin_frame.sh"
. "$root/tests/app/xvfb_session.sh"

start_xvfb 1024x768x24
app=""
work=$(mktemp -d)
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work" "$skin_dir"
}
trap cleanup EXIT

"$program" >/dev/null 2>"$work/log" &
app=$!
find_main_window
[ -n "$window" ] || { echo "no window appeared:"; cat "$work/log"; exit 1; }
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$window")"
wx=$X
wy=$Y
click_client() { xdotool mousemove $((wx + frame_left + $1)) $((wy + frame_top + $2)) click "${3:-1}"; }

article=$(head -n 3 "$root/examples/economy_news.txt")
for _ in $(seq 20); do
  printf '%s' "$article" | xclip -selection clipboard >/dev/null 2>&1
  click_client 300 150
  xdotool key ctrl+a ctrl+v
  sleep 0.2
  xdotool key ctrl+a ctrl+c
  [ "$(xclip -selection clipboard -o 2>/dev/null)" = "$article" ] && break
  sleep 0.3
done
xdotool key ctrl+Home
click_client 560 596
for _ in $(seq 100); do
  sleep 0.2
  printf '' | xclip -selection clipboard >/dev/null 2>&1
  click_client 300 450
  xdotool key ctrl+a ctrl+c
  case "$(xclip -selection clipboard -o 2>/dev/null)" in 本站讯：*) break ;; esac
done
# The output box scrolled back to the top, its menu open beside the text.
xdotool key ctrl+Home
click_client 420 360 3
sleep 0.5
xdotool mousemove $((wx + frame_left + 450)) $((wy + frame_top + 378))
sleep 0.6
import -window root "$work/screen.png"
mkdir -p "$(dirname "$out")"
convert "$work/screen.png" -crop "${window_width}x${window_height}+${wx}+${wy}" +repage "$out"
echo "wrote $out"
