#!/usr/bin/env bash
# Photographs tavolex.exe under Wine on a private X server: window-tab1..4.png (one per tab, went
# through with Ctrl+Tab), window-preview.png (the print preview, Alt+V) and
# window-exit-question.png (Alt+X) in OUTDIR, each with its window frame and title.
#
#   scripts/window-shot-windows.sh OUTDIR [TAVOLEX.EXE]
#
# The program runs from a copy in a folder of its own (so no settings of another copy are read
# or written) with the example drawings on its command line, one of them under a Japanese name.
# Needs Xvfb, openbox, xdotool, x11-utils and netpbm (scripts/install-deps.sh).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${1:?usage: window-shot-windows.sh OUTDIR [TAVOLEX.EXE]}"
exe="${2:-$root/build/windows/src/tavolex.exe}"
[ -f "$exe" ] || { echo "window-shot-windows.sh: $exe is not built" >&2; exit 1; }
title="JWW図面ファイル連続印刷　Tavolex Ver.1.10"
mkdir -p "$out"
out="$(cd "$out" && pwd)"

# shellcheck source=scripts/wine-desktop.sh
. "$root/scripts/wine-desktop.sh"
work="$(mktemp -d)"
trap 'desk_stop; rm -rf "$work"' EXIT
desk_start "$work/desk" "${TAVOLEX_WINEPREFIX:-$root/build/windows/wine-window}"

fail() {
  desk_shoot_screen "$out/window-failed.png" || true
  echo "window-shot-windows.sh: $1 (screen in $out/window-failed.png)" >&2
  exit 1
}

mkdir -p "$work/app" "$work/drawings"
cp "$exe" "$work/app/tavolex.exe"
cp "$root/examples/floor-plan.jww" "$work/drawings/平面図.jww"
cp "$root/examples/layer-groups.jww" "$root/examples/stored-image.jww" "$work/drawings/"
args=()
for d in "$work"/drawings/*.jww; do args+=("$(desk_windows_path "$d")"); done
desk_run "$work/app/tavolex.exe" "${args[@]}"

main="$(desk_wait_title "$title" 60)" || fail "no window titled \"$title\""
xdotool windowactivate --sync "$main" 2>/dev/null || true
missing=0
for tab in 1 2 3 4; do
  if [ "$tab" -gt 1 ]; then xdotool key --clearmodifiers ctrl+Tab; fi
  desk_shoot "$main" "$out/window-tab$tab.png"
  echo "$out/window-tab$tab.png"
  if [ "$tab" -gt 1 ] && cmp -s "$out/window-tab$((tab - 1)).png" "$out/window-tab$tab.png"; then
    echo "window-shot-windows.sh: Ctrl+Tab did not change the window for tab $tab" >&2
    missing=1
  fi
done

before="$(desk_windows)"
xdotool key --clearmodifiers alt+v
if preview="$(desk_wait_new "$before" 30)"; then
  desk_shoot "$preview" "$out/window-preview.png"
  echo "$out/window-preview.png"
  xdotool key --clearmodifiers Escape
  desk_poll 10 sh -c "! xwininfo -id $preview | grep -q IsViewable" || xdotool windowclose "$preview"
else
  desk_shoot_screen "$out/window-failed.png"
  echo "window-shot-windows.sh: no print preview after Alt+V (screen in $out/window-failed.png)" >&2
  missing=1
fi

xdotool windowactivate --sync "$main" 2>/dev/null || true
before="$(desk_windows)"
xdotool key --clearmodifiers alt+x
question="$(desk_wait_new "$before" 20)" || fail "no exit question after Alt+X"
desk_shoot "$question" "$out/window-exit-question.png"
echo "$out/window-exit-question.png"
xdotool key --clearmodifiers Return
desk_wait_program_end 20 || fail "tavolex.exe still runs after Alt+X and Enter"
exit "$missing"
