#!/usr/bin/env bash
# A long article on a real X server: pasted into the source box, it makes the
# box's skinned scroll bar usable (its look changes from the disabled one),
# and a click in the bar's track below the thumb scrolls the text.
#   e2e_long_article_xvfb_test.sh PATH/TO/lumora
set -u
program="$1"
. "$(dirname "$0")/xvfb_session.sh"
require_tools Xvfb xdotool xclip import convert
. "$(dirname "$0")/skin_frame.sh"
. "$(dirname "$0")/window_driver.sh"

open_window 1024x768x24

# The source box's bar stands at the right of its group box (stored at
# 687,23 and 265 high, aligned right) in the skin's "vscrollbar" width; its
# arrows are as high as the picture's top part.
IFS=, read -r vl _ vr _ <<<"$(key skinrect vscrollbar)"
IFS=, read -r _ arrow <<<"$(key lefttoppoint vscrollbar)"
bar_w=$((vr - vl))
bar_x=$((706 - bar_w))
track_x=$((bar_x + bar_w / 2))
track_y=$((23 + 265 - arrow - 6))

# crop NAME X Y W H: the pixels of a client rectangle of a screenshot, as a
# checksum to compare.
crop() {
  convert "$work/$1.png" -crop "$4x$5+$(at_x "$2")+$(at_y "$3")" +repage rgb:- | md5sum
}
bar() { crop "$1" "$bar_x" 23 "$bar_w" 265; }
# Lines of text right of the caret, which stays blinking at the top left.
text() { crop "$1" 40 30 560 250; }

import -window root "$work/empty.png"
article=""
for i in $(seq 150); do
  article+="第${i}段：今年前三季度，我国经济运行总体平稳，专家认为这是推动增长的重要力量。"$'\n'
done
article=${article%$'\n'}
paste_into 300 150 "$article"
# The paste leaves the caret at the end; go back to the top through the keys
# of the text box, so that only the bar moves the text from here on.
xdotool key ctrl+Home
sleep 0.3
import -window root "$work/pasted.png"
[ "$(bar empty)" != "$(bar pasted)" ] || fail "the scroll bar looks the same with a long article as with none"

xdotool mousemove "$(at_x "$track_x")" "$(at_y "$track_y")" click 1
sleep 0.5
import -window root "$work/paged.png"
[ "$(text pasted)" != "$(text paged)" ] || fail "a click in the bar's track did not scroll the text"
[ "$(bar pasted)" != "$(bar paged)" ] || fail "the thumb did not move"

# The text is still all there.
[ "$(box_text 300 150)" = "$article" ] || fail "the article changed while scrolling"
close_window
echo "a long article makes the bar usable and the bar scrolls the text"
