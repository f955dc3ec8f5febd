#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds
# (default 60; CI gives 60 to each of the two), seeded with the real drawings when they are beside the repository.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
cmake --preset fuzz
cmake --build --preset fuzz
for target in build/fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  corpus="build/fuzz/corpus/$(basename "$target")"
  mkdir -p "$corpus"
  seeds=()
  [ -d ../shared/jww-samples ] && seeds+=(../shared/jww-samples ../shared/jww-samples/blocks)
  [ -d examples ] && seeds+=(examples)
  "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 "$corpus" "${seeds[@]}"
done
