# Sourced by the end-to-end scripts: a private X server and the program's
# main window on it. The window's size comes from skin_frame.sh.

# start_xvfb SCREEN (e.g. 1024x768x24): a private server on a display number
# drawn at random, so that parallel tests never reuse one a finishing server
# is still tearing down (its socket cleanup would take the new server's
# socket with it). The server writes the number once it takes clients; a
# taken number or a server that does not answer is tried again elsewhere.
# Sets xvfb (its process) and DISPLAY; ends the script when no server starts.
start_xvfb() {
  local fifo_dir number attempt candidate
  for attempt in 1 2 3 4 5 6 7 8; do
    candidate=$((200 + (RANDOM * 32768 + RANDOM + $$ * 7919) % 30000))
    fifo_dir=$(mktemp -d)
    mkfifo "$fifo_dir/display"
    xvfb_log=$(mktemp)
    # -noreset: by default the server resets when its last client leaves,
    # and a client connecting during the reset is refused; the probes below
    # and xdotool's short connections would race the program's own.
    Xvfb ":$candidate" -displayfd 3 -screen 0 "$1" -nolisten tcp -noreset \
      3>"$fifo_dir/display" >/dev/null 2>"$xvfb_log" &
    xvfb=$!
    number=$(timeout 30 head -n 1 "$fifo_dir/display")
    rm -rf "$fifo_dir"
    if [ -n "$number" ] && DISPLAY=":$number" xdotool getdisplaygeometry >/dev/null 2>&1; then
      export DISPLAY=":$number"
      unset QT_QPA_PLATFORM
      return
    fi
    kill "$xvfb" 2>/dev/null
    wait "$xvfb" 2>/dev/null
    rm -f "$xvfb_log"
  done
  echo "Xvfb did not start"
  exit 1
}

# find_main_window: waits up to 15 s for the first mapped window of the
# program with the main window's size in the skin's frame. Sets window (empty
# when none came) and size (the last size seen).
find_main_window() {
  local id
  window=""
  size=""
  for _ in $(seq 150); do
    for id in $(xdotool search --onlyvisible --name "Lumora 伪原创" 2>/dev/null); do
      size=$(xdotool getwindowgeometry "$id" 2>/dev/null | awk '/Geometry/ {print $2}')
      if [ "$size" = "${window_width}x${window_height}" ]; then window=$id; return; fi
    done
    sleep 0.1
  done
  xvfb_state
}

# xvfb_state: says whether the X server still runs, and what it printed, so
# that a window that never came can be told from a server that went away.
xvfb_state() {
  if kill -0 "$xvfb" 2>/dev/null; then
    echo "X server $DISPLAY still runs; it printed:"
  else
    echo "X server $DISPLAY has ended; it printed:"
  fi
  tail -n 5 "$xvfb_log" 2>/dev/null
}

# require_tools TOOL...: ends the script when one of them is missing.
require_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "missing $tool"; exit 1; }
  done
}

# start_session SCREEN: start_xvfb, plus a work folder (work) and a trap that
# ends the program (app, once set) and the server and removes work and the
# unpacked skin.
start_session() {
  start_xvfb "$1"
  app=""
  work=$(mktemp -d)
  trap 'end_session' EXIT
}
end_session() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work" "${skin_dir:-}" "${xvfb_log:-}"
}

# pixel FILE X Y: the colour of a picture's pixel as r,g,b.
pixel() {
  convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}
