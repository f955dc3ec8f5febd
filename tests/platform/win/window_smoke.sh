#!/usr/bin/env bash
# tavolex.exe under Wine on a private X server with openbox: started from a copy in a folder of its
# own with two drawings, its window has the exact title and a client area of 650 x 438 (Wine's X
# window is the client area when the window manager draws the frame); Alt+X asks the exit
# question in a second window that belongs to it, Enter answers Yes, the program ends and has
# written tavolex.dat beside itself. Each failing step says which and leaves a picture of the
# screen in SHOTDIR.
#
#   window_smoke.sh TAVOLEX.EXE SHOTDIR DRAWING...   (TAVOLEX_WINEPREFIX: the Wine prefix)
set -euo pipefail
root="$(cd "$(dirname "$0")/../../.." && pwd)"
exe="$1"
shots="$2"
shift 2
title="JWW図面ファイル連続印刷　Tavolex Ver.1.10"

# shellcheck source=scripts/wine-desktop.sh
. "$root/scripts/wine-desktop.sh"
work="$(mktemp -d)"
trap 'desk_stop; rm -rf "$work"' EXIT
mkdir -p "$shots"
rm -f "$shots/window-smoke-failed.png"

fail() {
  desk_shoot_screen "$shots/window-smoke-failed.png" || true
  echo "FAILED: $1 (screen in $shots/window-smoke-failed.png)" >&2
  exit 1
}

desk_start "$work/desk" "${TAVOLEX_WINEPREFIX:?the Wine prefix}"
mkdir "$work/app"
cp "$exe" "$work/app/tavolex.exe"
args=()
for d in "$@"; do args+=("$(desk_windows_path "$d")"); done
desk_run "$work/app/tavolex.exe" "${args[@]}"

main="$(desk_wait_title "$title" 60)" || fail "no window titled \"$title\" within 60 s"
echo "window \"$title\""

size="$(xwininfo -id "$main" | awk '/^  Width:/ { w = $2 } /^  Height:/ { h = $2 } END { print w "x" h }')"
[ "$size" = "650x438" ] || fail "client area $size, not 650x438"
echo "client area $size"

xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
before="$(desk_windows)"
xdotool key --clearmodifiers alt+x
question="$(desk_wait_new "$before" 20)" || fail "Alt+X brought no second window"
owner="$(xprop -id "$question" WM_TRANSIENT_FOR | sed -n 's/.*window id # //p')"
[ $((${owner:-0})) -eq $((main)) ] || fail "the window after Alt+X does not belong to the main window"
xprop -id "$question" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_DIALOG ||
  fail "the window after Alt+X is no dialog"
# Its text is not visible to X; its title is the window's, as the message boxes have it.
asked="$(xdotool getwindowname "$question")"
[ "$asked" = "$title" ] || fail "the exit question is titled \"$asked\""
echo "exit question \"$asked\""

xdotool windowactivate --sync "$question" >/dev/null 2>&1 || true
xdotool key --clearmodifiers Return
desk_wait_program_end 20 || fail "tavolex.exe still runs 20 s after Enter on the exit question"
wait "$desk_program_pid" || fail "tavolex.exe ended with exit code $?"
echo "ended after Enter"

[ -s "$work/app/tavolex.dat" ] || fail "no tavolex.dat beside the program"
echo "tavolex.dat written"
