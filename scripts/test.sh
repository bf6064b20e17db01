#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. With --sanitize the
# same tests run a second time in a build with AddressSanitizer and UBSan.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

run_suite() {
  local dir="$1"
  shift
  "$root/scripts/build.sh" "$dir" "$@"
  (cd "$dir" && ctest --output-on-failure -j"$(nproc)" --timeout 600)
}

run_suite "$root/build"
if [ "${1:-}" = "--sanitize" ]; then
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp"
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  run_suite "$root/build-asan" -DLUMORA_SANITIZE=ON -DLUMORA_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
fi
