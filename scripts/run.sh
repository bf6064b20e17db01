#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program. Without a display
# it tells what was built.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" >/dev/null
"$root/scripts/build.sh" "$root/build" >/dev/null
if [ -x "$root/build/bin/lumora" ]; then
  exec "$root/build/bin/lumora" "$@"
fi
echo "Built so far (in $root/build):"
ls "$root/build/bin"
