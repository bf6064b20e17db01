# Sourced by the end-to-end scripts: a private X server and the program's
# main window on it. The window's size comes from skin_frame.sh.

# start_xvfb SCREEN (e.g. 1024x768x24): the server picks a free display and
# writes its number once it is ready to take clients. Sets xvfb (its process)
# and DISPLAY; ends the script when the server does not start.
start_xvfb() {
  local fifo_dir number
  fifo_dir=$(mktemp -d)
  mkfifo "$fifo_dir/display"
  Xvfb -displayfd 3 -screen 0 "$1" -nolisten tcp 3>"$fifo_dir/display" >/dev/null 2>&1 &
  xvfb=$!
  number=$(timeout 30 head -n 1 "$fifo_dir/display")
  rm -rf "$fifo_dir"
  [ -n "$number" ] || { echo "Xvfb did not start"; kill "$xvfb" 2>/dev/null; exit 1; }
  export DISPLAY=":$number"
  unset QT_QPA_PLATFORM
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
}
