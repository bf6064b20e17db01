# Sourced by the scripts that drive the main window on a private X server,
# after skin_frame.sh and xvfb_session.sh (needs $program).

# open_window SCREEN [ARG...]: a private server of that screen size, a work
# folder ($work, removed on exit with the server and the program) and the
# program started with the arguments; sets app, window, and wx wy (the
# window's place on the screen). Ends the script when no window comes.
open_window() {
  start_session "$1"
  shift
  "$program" "$@" >/dev/null 2>"$work/log" &
  app=$!
  find_main_window
  [ -n "$window" ] || fail "no ${window_width}x${window_height} window appeared (last size seen: ${size:-none})"
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$window")"
  wx=$X
  wy=$Y
}

fail() {
  echo "$1"
  [ -f "$work/log" ] && cat "$work/log"
  exit 1
}

# at_x / at_y: the screen coordinate of a point of the client area
at_x() { echo $((wx + frame_left + $1)); }
at_y() { echo $((wy + frame_top + $1)); }
click_client() { xdotool mousemove "$(at_x "$1")" "$(at_y "$2")" click "${3:-1}"; }

# box_text X Y: the whole text of the box at that client point, through the
# clipboard (xclip keeps serving the clipboard in the background, so its
# output must not hold a command substitution open).
box_text() {
  printf '<nothing>' | xclip -selection clipboard >/dev/null 2>&1
  click_client "$1" "$2"
  xdotool key ctrl+a ctrl+c
  sleep 0.2
  # An empty box copies nothing and leaves the marker.
  local text
  text=$(xclip -selection clipboard -o 2>/dev/null)
  [ "$text" = '<nothing>' ] || printf '%s' "$text"
}

# paste_into X Y TEXT: pastes until the box holds the text (the window may
# still be settling when the first keys arrive).
paste_into() {
  for _ in $(seq 20); do
    printf '%s' "$3" | xclip -selection clipboard >/dev/null 2>&1
    click_client "$1" "$2"
    xdotool key ctrl+a ctrl+v
    sleep 0.2
    [ "$(box_text "$1" "$2")" = "$3" ] && return
    sleep 0.3
  done
  fail "could not paste into the box at $1,$2: $(box_text "$1" "$2")"
}

# close_window: a click on the close button must end the program with 0.
close_window() {
  xdotool mousemove $((wx + close_x)) $((wy + close_y))
  sleep 0.3
  xdotool click 1
  for _ in $(seq 100); do
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$app" 2>/dev/null && fail "still running after the close button"
  wait "$app"
  local status=$?
  app=""
  [ "$status" -eq 0 ] || fail "exit status $status"
}
