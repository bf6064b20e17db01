# Sourced by the end-to-end scripts: the main window's frame as the built-in
# skin gives it. Needs $program (the lumora binary; lumora-skin sits beside
# it). Sets frame_left frame_top (the client area's origin in the window),
# window_width window_height (707 x 640 in the frame) and close_x close_y
# (the middle of the close button in window coordinates), and skin_dir, the
# unpacked skin (the caller removes it).
skin_tool="$(dirname "$program")/lumora-skin"
skin_dir=$(mktemp -d)
QT_QPA_PLATFORM=offscreen "$skin_tool" unpack "$skin_dir" >/dev/null 2>&1 || { echo "cannot unpack the skin"; exit 1; }
# key KEY SECTION: the value of a key of a section of the description.
key() {
  tr -d '\r' <"$skin_dir/skin.ini" |
    awk -F= -v s="[$2]" -v k="$1" '$0 == s {f = 1; next} /^\[/ {f = 0} f && $1 == k {print $2}'
}
IFS=, read -r cl ct cr cb <<<"$(key clientrect FORMINFO)"
IFS=, read -r bl bt br bb <<<"$(key buttonsrect FORMINFO)"
IFS=, read -r xl xt xr xb <<<"$(key skinrect closebutton)"
read -r pw ph <<<"$(QT_QPA_PLATFORM=offscreen "$skin_tool" info 2>/dev/null | awk '/^picture:/ {print $3, $5 + 0}')"
frame_left=$cl
frame_top=$ct
window_width=$((707 + pw - (cr - cl)))
window_height=$((640 + ph - (cb - ct)))
# The close button is the first of the row, at the right of the buttons
# rectangle, which keeps its distance from the window's right edge.
close_x=$((br + window_width - pw - (xr - xl) / 2))
close_y=$((bt + (xb - xt) / 2))
