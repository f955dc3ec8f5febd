#!/usr/bin/env bash
# Prints the example drawings and the shared sample drawings to PNG pages at 100 dpi with the
# Linux tavolex-print (build/release) and with tavolex-print.exe under Wine (build/windows), under
# three settings (the drawing's scale; fitted and turned 90°; monochrome with one page per layer
# group), and compares each pair of pages by ink: the share of a page's ink pixels with no ink within 2 px on
# the other page, the larger of the two ways. One line per page; a page that only one build
# printed counts as 1.
#
#   scripts/compare-windows-pages.sh [MAX]   exit 1 when a page's measure is above MAX
#
# Exit 77 when a build is missing.
# Both builds must be there (cmake --build --preset release --target tavolex-print compare_pages;
# cmake --build --preset windows --target tavolex-print).
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
max="${1:-}"
linux_exe="$root/build/release/src/tavolex-print"
compare="$root/build/release/tools/compare_pages"
windows_exe="$root/build/windows/src/tavolex-print.exe"
for f in "$linux_exe" "$compare" "$windows_exe"; do
  [ -x "$f" ] || { echo "compare-windows-pages.sh: $f is not built" >&2; exit 77; }
done

work="$(mktemp -d)"
[ -n "${KEEP_PAGES:-}" ] || trap 'rm -rf "$work"' EXIT
drawings=("$root"/examples/*.jww)
samples="${TAVOLEX_SAMPLES_DIR:-$root/../shared/jww-samples}"
if [ -d "$samples" ]; then drawings+=("$(cd "$samples" && pwd)"); fi

# Each setting: a name for its pages, then its options.
settings=(
  "drawing|"
  "fit90|--style fit --rotate 90"
  "mono-groups|--mono --group-pages"
)
# Wine sees this machine's root as drive Z:.
windows_args=()
for d in "${drawings[@]}"; do windows_args+=("Z:$d"); done
for setting in "${settings[@]}"; do
  name="${setting%%|*}"
  read -r -a options <<<"${setting#*|}"
  "$linux_exe" --quiet "${options[@]}" --png "$work/linux/$name" --dpi 100 "${drawings[@]}" || true
  ./scripts/wine.sh "$windows_exe" --quiet "${options[@]}" --png "Z:$work/windows/$name" \
    --dpi 100 "${windows_args[@]}" || true
done

failed=0
shopt -s nullglob
pages=("$work"/linux/*/*.png "$work"/windows/*/*.png)
while IFS= read -r name; do
  if [ -f "$work/linux/$name" ] && [ -f "$work/windows/$name" ]; then
    measure="$("$compare" "$work/linux/$name" "$work/windows/$name")"
  else
    measure="1 (printed by one build only)"
  fi
  printf '%s  %s\n' "$measure" "$name"
  value="${measure%% *}"
  if [ -n "$max" ] && awk -v v="$value" -v m="$max" 'BEGIN { exit !(v > m) }'; then failed=1; fi
done < <(for p in "${pages[@]}"; do echo "${p#"$work"/*/}"; done | sort -u)
[ "${#pages[@]}" -gt 0 ] || { echo "compare-windows-pages.sh: no page was printed" >&2; exit 1; }
if [ "$failed" -ne 0 ]; then
  echo "compare-windows-pages.sh: a page differs by more than $max" >&2
  exit 1
fi
