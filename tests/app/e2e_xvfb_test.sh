#!/usr/bin/env bash
# End to end on a real X server, as a user meets the window: paste an
# article, press "伪原创", open the output box's skinned menu and choose
# "全选" and "复制", read the clipboard; "清空" empties both boxes; with
# "开启智能换行" unticked the output has no "<br />"; the close button ends
# the program with status 0. Pixels of the screen are checked against the
# skin's pictures (frame corners, a button's ends, the menu's corner), so a
# window that fell back to the default look fails.
#   e2e_xvfb_test.sh PATH/TO/lumora
set -u
program="$1"
for tool in Xvfb xdotool xclip import convert compare; do
  command -v "$tool" >/dev/null || { echo "missing $tool"; exit 1; }
done
. "$(dirname "$0")/skin_frame.sh"
. "$(dirname "$0")/xvfb_session.sh"
. "$(dirname "$0")/window_driver.sh"

open_window 1024x768x24
shot() { import -window root "$work/$1.png"; }

# The frame's top corners and the buttons' ends, where the skin's masks keep
# them, are the skin's pictures pixel for pixel.
shot start
for point in "2 $((ct - 2)) 0" "$((pw - 3)) $((ct - 1)) $((window_width - pw))"; do
  read -r px py ox <<<"$point"
  [ "$(pixel "$skin_dir/mask.bmp" "$px" "$py")" = "0,0,0" ] || continue
  want=$(pixel "$skin_dir/main.bmp" "$px" "$py")
  got=$(pixel "$work/start.png" $((wx + px + ox)) $((wy + py)))
  [ "$want" = "$got" ] || fail "frame corner $px,$py: screen $got, skin $want"
done
IFS=, read -r bl bt br bb <<<"$(key skinrect button)"
for button in "520 586" "616 585"; do
  read -r left top <<<"$button"
  mid=$(((bb - bt) / 2))
  want=$(pixel "$skin_dir/controls.bmp" $((bl + 1)) $((bt + mid)))
  got=$(pixel "$work/start.png" "$(at_x $((left + 1)))" "$(at_y $((top + mid)))")
  [ "$want" = "$got" ] || fail "button at $left,$top: left end $got, skin $want"
  want=$(pixel "$skin_dir/controls.bmp" $((br - 2)) $((bt + mid)))
  got=$(pixel "$work/start.png" "$(at_x $((left + 80 - 2)))" "$(at_y $((top + mid)))")
  [ "$want" = "$got" ] || fail "button at $left,$top: right end $got, skin $want"
done

article='今年前三季度，我国经济运行总体平稳。
专家认为，这是推动增长的重要力量。'
paste_into 300 150 "$article"

# rewrite: presses "伪原创" and waits for a framed result in the output box.
rewrite() {
  click_client 560 596
  result=""
  for _ in $(seq 100); do
    sleep 0.1
    result=$(box_text 300 450)
    case "$result" in 本站讯：*本站记者：XXX) return ;; esac
  done
  fail "no rewritten article in the output box: $result"
}
rewrite
case "$result" in
  本站讯：*'<br />'*本站记者：XXX) ;;
  *) fail "the output has no line breaks: $result" ;;
esac
shot rewritten

# The output box's menu: opened with the right button, drawn from the skin's
# popup picture, "全选" then "复制" chosen with the mouse.
open_menu() {
  click_client 300 450 3
  sleep 0.4
  eval "$(xdotool getmouselocation --shell)"
}
choose() {
  xdotool mousemove $((X + 30)) $((Y + 15 + 24 * $1))
  sleep 0.2
  xdotool click 1
  sleep 0.3
}
printf '<nothing>' | xclip -selection clipboard >/dev/null 2>&1
click_client 300 150
open_menu
shot menu
checked=0
for point in "1 1" "1 20" "2 2"; do
  read -r px py <<<"$point"
  [ "$(pixel "$skin_dir/pwmask.bmp" "$px" "$py")" = "0,0,0" ] || continue
  want=$(pixel "$skin_dir/pw.bmp" "$px" "$py")
  got=$(pixel "$work/menu.png" $((X + px)) $((Y + py)))
  [ "$want" = "$got" ] || fail "menu pixel $px,$py: screen $got, skin $want"
  checked=$((checked + 1))
done
[ "$checked" -ge 1 ] || fail "no menu corner pixel to compare"
choose 0
open_menu
choose 1
copied=$(xclip -selection clipboard -o 2>/dev/null)
[ "$copied" = "$result" ] || fail "the menu copied: $copied"
echo "copied through the skinned menu: $copied"

# "清空" empties both boxes and changes the status line.
status_crop() { convert "$work/$1.png" -crop "200x16+$(at_x 2)+$(at_y 621)" "$work/$1-status.png"; }
click_client 650 595
sleep 0.5
shot cleared
[ -z "$(box_text 300 150)" ] || fail "the source box was not emptied"
[ -z "$(box_text 300 450)" ] || fail "the output box was not emptied"
status_crop rewritten
status_crop cleared
if compare -metric AE "$work/rewritten-status.png" "$work/cleared-status.png" null: 2>/dev/null; then
  fail "the status line did not change after clearing"
fi

# Unticked "开启智能换行": the rewrite has no "<br />".
paste_into 300 150 "$article"
click_client 420 596
sleep 0.3
rewrite
case "$result" in
  *'<br />'*) fail "line breaks with the option unticked: $result" ;;
esac
echo "without line breaks: $result"

# The close button ends the program with status 0.
close_window
echo "pasted, rewritten, copied, cleared, rewritten without breaks and closed"
