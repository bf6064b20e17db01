#!/bin/sh
# lumora runs batch mode without the GUI libraries and hands every other
# command line to lumora-window beside it.
#   window_handover_test.sh PATH/TO/lumora
set -eu
program=$1
fail() { echo "window_handover_test: $*" >&2; exit 1; }

needed=$(readelf -d "$program" | grep NEEDED || true)
case $needed in
  *libQt6Gui* | *libQt6Widgets*) fail "lumora links the GUI libraries: $needed" ;;
esac

# The window opens (on the offscreen platform), paints and quits.
QT_QPA_PLATFORM=offscreen timeout 60 "$program" --quit-after-first-paint ||
  fail "the window did not open through lumora (status $?)"

# Without lumora-window beside it, lumora says so instead of failing silently.
alone=$(mktemp -d)
trap 'rm -rf "$alone"' EXIT
cp "$program" "$alone/lumora"
status=0
"$alone/lumora" >"$alone/out" 2>"$alone/err" || status=$?
[ "$status" -eq 1 ] || fail "a missing window program exited $status"
grep -q "lumora-window was not found" "$alone/err" || fail "no message: $(cat "$alone/err")"

# Batch mode still answers without it.
"$alone/lumora" --help >"$alone/out" || fail "--help failed without the window program"
grep -q -- "--rewrite" "$alone/out" || fail "--help printed no usage"
echo "window_handover_test: ok"
