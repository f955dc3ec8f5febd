#!/usr/bin/env bash
# tavolex-print.exe --jobs 2 under Wine: the workers it starts give the same page files, by name
# and by bytes, as one process does, also for a drawing with a Japanese name, and the run says
# nothing about printing in one process.
#
#   parallel_png.sh TAVOLEX-PRINT.EXE DRAWING...   (TAVOLEX_WINEPREFIX: the Wine prefix)
set -euo pipefail
root="$(cd "$(dirname "$0")/../../.." && pwd)"
exe="$1"
shift
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/in"
cp "$@" "$work/in/"
cp "$1" "$work/in/平面図.jww"
for jobs in 1 2; do
  "$root/scripts/wine.sh" "$exe" --jobs "$jobs" --dpi 100 --png "Z:$work/out$jobs" \
    "Z:$work/in" 2>"$work/err$jobs" || { cat "$work/err$jobs" >&2; exit 1; }
done
if grep -q "one process" "$work/err2"; then
  echo "parallel_png.sh: --jobs 2 printed in one process:" >&2
  cat "$work/err2" >&2
  exit 1
fi
count="$(find "$work/out1" -name '*.png' | wc -l)"
[ "$count" -gt "$#" ] || { echo "parallel_png.sh: only $count pages from one process" >&2; exit 1; }
diff -r "$work/out1" "$work/out2"
