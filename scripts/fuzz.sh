#!/usr/bin/env bash
# Fuzzes the skin data reading path for a bounded time:
#   fuzz.sh [SECONDS]   (default 60)
# Builds with clang, libFuzzer and the sanitizers into build-fuzz, writes a
# fresh seed corpus there and runs the fuzzer over it. Exits non-zero on a
# finding; the input that caused it is left in build-fuzz/findings/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir="$root/build-fuzz"
seconds="${1:-60}"

CC=clang CXX=clang++ cmake -S "$root" -B "$dir" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLUMORA_FUZZ=ON -DLUMORA_SANITIZE=ON \
  -DLUMORA_BUILD_TESTS=OFF -DLUMORA_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link" >/dev/null
cmake --build "$dir" --target skin_data_fuzz skin_data_fuzz_seeds -j2

corpus="$dir/corpus/skin_data"
findings="$dir/findings"
rm -rf "$corpus"
mkdir -p "$corpus" "$findings"
"$dir/bin/skin_data_fuzz_seeds" "$corpus"

"$dir/bin/skin_data_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -max_len=65536 -print_final_stats=1 -artifact_prefix="$findings/" "$corpus"
