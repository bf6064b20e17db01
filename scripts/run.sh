#!/usr/bin/env bash
# Installs what is missing, builds, and runs the program with the given
# arguments: the window by default (it needs a display), or batch mode with
# --rewrite FILE.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" >/dev/null
"$root/scripts/build.sh" "$root/build" >/dev/null
program="$root/build/bin/lumora"
batch=no
for arg in "$@"; do
  case "$arg" in --rewrite|--help|-h) batch=yes ;; esac
done
if [ "$batch" = no ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] \
   && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display: run it in a desktop session, or under xvfb-run; to rewrite a file" >&2
  echo "without a window: scripts/run.sh --rewrite examples/economy_news.txt" >&2
  exit 2
fi
exec "$program" "$@"
