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
. "$root/tests/app/window_driver.sh"

open_window 1024x768x24

article=$(head -n 3 "$root/examples/economy_news.txt")
paste_into 300 150 "$article"
xdotool key ctrl+Home
click_client 560 596
for _ in $(seq 100); do
  sleep 0.2
  case "$(box_text 300 450)" in 本站讯：*) break ;; esac
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
