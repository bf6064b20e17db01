#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program. Without a display
# it tells what was built.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" >/dev/null
"$root/scripts/build.sh" "$root/build" >/dev/null
if [ -x "$root/build/src/app/lumora" ]; then
  exec "$root/build/src/app/lumora" "$@"
fi
echo "Built so far (in $root/build):"
find "$root/build" -maxdepth 3 -type f -executable -name 'lumora*' | sort
