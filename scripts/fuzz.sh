#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds
# (default 60; CI gives 60 to each). Every target starts from small inputs written at fuzz time
# (build/fuzz/seeds); the drawing targets also from the example drawings and the real drawings
# when they are beside the repository. The drawing path is held to inputs of up to 20 KB, so a
# bounded run tries hundreds of inputs a second rather than a few; longer seeds are cut there.
# A failing input is kept in build/fuzz/artifacts.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
cmake --preset fuzz
cmake --build --preset fuzz
seeds=build/fuzz/seeds
rm -rf "$seeds"
build/fuzz/fuzz/make_fuzz_seeds "$seeds"
drawings=("$seeds/jww" examples)
[ -d ../shared/jww-samples ] && drawings+=(../shared/jww-samples ../shared/jww-samples/blocks)
mkdir -p build/fuzz/artifacts
# The file readers' targets write each input to a file of their own there.
export TMPDIR="$PWD/build/fuzz/tmp"
rm -rf "$TMPDIR"
mkdir -p "$TMPDIR"
for target in build/fuzz/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name="$(basename "$target")"
  options=()
  case "$name" in
    fuzz_jww_drawing) inputs=("${drawings[@]}") options=(-max_len=20000) ;;
    fuzz_jww_*) inputs=("${drawings[@]}") ;;
    fuzz_settings_*) inputs=("$seeds/settings") ;;
    fuzz_jwf_*) inputs=("$seeds/jwf") ;;
    fuzz_ref_*) inputs=("$seeds/ref") ;;
    *) inputs=() ;;
  esac
  corpus="build/fuzz/corpus/$name"
  mkdir -p "$corpus"
  echo "== $name"
  "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 "${options[@]}" \
    -artifact_prefix="build/fuzz/artifacts/$name-" "$corpus" "${inputs[@]}"
done
rm -rf "$TMPDIR"
