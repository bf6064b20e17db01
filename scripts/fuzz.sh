#!/usr/bin/env bash
# Fuzzes the skin data reading path and the HTTP response reading path, each
# for a bounded time:
#   fuzz.sh [SECONDS]   (default 60, per target)
# Builds with clang, libFuzzer and the sanitizers into build-fuzz, writes a
# fresh seed corpus there for each target and runs its fuzzer over it. Exits
# non-zero on a finding; the input that caused it is left in
# build-fuzz/findings/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir="$root/build-fuzz"
seconds="${1:-60}"

CC=clang CXX=clang++ cmake -S "$root" -B "$dir" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DLUMORA_FUZZ=ON -DLUMORA_SANITIZE=ON \
  -DLUMORA_BUILD_TESTS=OFF -DLUMORA_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link" >/dev/null
cmake --build "$dir" -j2 --target skin_data_fuzz skin_data_fuzz_seeds \
  http_response_fuzz http_response_fuzz_seeds

findings="$dir/findings"
mkdir -p "$findings"

# fuzz TARGET MAX_LEN: a fresh corpus from the target's seeds, then the run.
fuzz() {
  local target="$1" max_len="$2"
  local corpus="$dir/corpus/$target"
  rm -rf "$corpus"
  mkdir -p "$corpus"
  "$dir/bin/${target}_seeds" "$corpus"
  "$dir/bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len="$max_len" -print_final_stats=1 -artifact_prefix="$findings/$target-" "$corpus"
}

fuzz skin_data_fuzz 65536
fuzz http_response_fuzz 16384
