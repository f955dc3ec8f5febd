#!/usr/bin/env bash
# The whole print run of a corpus of drawings with tavolex-print: to 600 dpi PNG pages with one
# worker and with one per core, to one PDF, and poppler's pdftoppm -r 600 on that PDF for
# comparison. Prints the best wall time of each over a few rounds, and the ratios.
#
#   bench/print-run.sh [CORPUS_FOLDER] [ROUNDS]
#
# CORPUS_FOLDER defaults to ../shared/jww-samples beside the repository, ROUNDS to 3. The
# program is build/release/src/tavolex-print (TAVOLEX_PRINT to choose another).
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
corpus="${1:-$here/../shared/jww-samples}"
rounds="${2:-3}"
exe="${TAVOLEX_PRINT:-$here/build/release/src/tavolex-print}"
cores="$(nproc)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

[ -x "$exe" ] || { echo "no $exe: build the tavolex-print target first" >&2; exit 2; }
[ -d "$corpus" ] || { echo "no corpus folder $corpus" >&2; exit 2; }

calc() { awk "BEGIN { print $1 }"; }

# Best wall time in seconds of running "$@" `rounds` times, the output folder emptied each time.
best_of() {
  local best=""
  for _ in $(seq "$rounds"); do
    rm -rf "$work/out" && mkdir -p "$work/out"
    local start end t
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s.%N)
    t=$(calc "$end - $start")
    if [ -z "$best" ] || [ "$(calc "$t < $best")" = 1 ]; then best=$t; fi
  done
  printf '%.2f' "$best"
}

drawings=$(find "$corpus" -iname '*.jww' | wc -l)
png1=$(best_of "$exe" --quiet --jobs 1 --png "$work/out" "$corpus")
pages=$(find "$work/out" -name '*.png' | wc -l)
pngN=$(best_of "$exe" --quiet --jobs "$cores" --png "$work/out" "$corpus")
pdf=$(best_of "$exe" --quiet --pdf "$work/out/run.pdf" "$corpus")
"$exe" --quiet --pdf "$work/run.pdf" "$corpus" >/dev/null 2>&1 || true
ppm=$(best_of pdftoppm -r 600 -png "$work/run.pdf" "$work/out/page")

echo "corpus: $corpus ($drawings drawings, $pages PNG pages at 600 dpi), $rounds rounds, best wall time"
printf 'PNG --jobs 1:        %s s  (%.3f s a page)\n' "$png1" "$(calc "$png1 / $pages")"
printf 'PNG --jobs %s:        %s s  (x%.2f against --jobs 1)\n' "$cores" "$pngN" "$(calc "$png1 / $pngN")"
printf 'one PDF:             %s s\n' "$pdf"
printf 'pdftoppm -r 600 PDF: %s s  (x%.2f the time of PNG --jobs 1)\n' "$ppm" "$(calc "$ppm / $png1")"
