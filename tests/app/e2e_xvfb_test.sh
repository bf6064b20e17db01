#!/usr/bin/env bash
# End to end on a real X server: paste an article into the window, press the
# rewrite button, copy the result out through the clipboard.
#   e2e_xvfb_test.sh PATH/TO/lumora
set -u
program="$1"
. "$(dirname "$0")/skin_frame.sh"
. "$(dirname "$0")/xvfb_session.sh"
for tool in Xvfb xdotool xclip; do
  command -v "$tool" >/dev/null || { echo "missing $tool"; exit 1; }
done

start_xvfb 1024x768x24
app=""
log=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$skin_dir" "${xvfb_log:-}"
  [ -n "$log" ] && rm -f "$log"
}
trap cleanup EXIT

log=$(mktemp)
"$program" >/dev/null 2>"$log" &
app=$!

# The first mapped window of the program with the client area it must have,
# in the skin's frame.
find_main_window
if [ -z "$window" ]; then
  echo "no ${window_width}x${window_height} window appeared (last size seen: ${size:-none}); the program said:"
  cat "$log"
  exit 1
fi

article='今年前三季度，我国经济运行总体平稳。
专家认为，这是推动增长的重要力量。'
# Paste into the source box until it holds the article (the window may still
# be settling when the first keys arrive).
pasted=""
for _ in $(seq 20); do
  printf '%s' "$article" | xclip -selection clipboard
  xdotool mousemove --window "$window" $((frame_left + 300)) $((frame_top + 150)) click 1
  xdotool key --window "$window" ctrl+a ctrl+v
  sleep 0.2
  xdotool key --window "$window" ctrl+a ctrl+c
  pasted=$(xclip -selection clipboard -o 2>/dev/null)
  [ "$pasted" = "$article" ] && break
  sleep 0.3
done
[ "$pasted" = "$article" ] || { echo "could not paste into the source box: $pasted"; exit 1; }
xdotool mousemove --window "$window" $((frame_left + 560)) $((frame_top + 596)) click 1

result=""
for _ in $(seq 100); do
  sleep 0.1
  xdotool mousemove --window "$window" $((frame_left + 300)) $((frame_top + 450)) click 1
  xdotool key --window "$window" ctrl+a ctrl+c
  result=$(xclip -selection clipboard -o 2>/dev/null)
  case "$result" in 本站讯：*本站记者：XXX) break ;; esac
done
case "$result" in
  本站讯：*'<br />'*本站记者：XXX) echo "rewritten: $result"; exit 0 ;;
esac
echo "unexpected output box: $result"
exit 1
