#!/usr/bin/env bash
# Checks the Windows installer under Wine, in the private prefix of scripts/wine.sh:
#
#   scripts/check-windows-installer.sh [SETUP.exe STAGE]
#
# STAGE is the folder the installer was made from (the zip's folder); by default both are what
# scripts/build-windows.sh wrote last. Installs silently into
# Program Files, checks the installed files, the uninstall entry, the Start-menu entry and the
# context-menu verb of .jww files (which must leave Jw_cad's HKCR\.jww alone), runs the installed
# tavolex-print.exe and sees its work go to %APPDATA%\Tavolex while a portable copy keeps its own
# folder, then uninstalls silently and checks that exactly that is gone again.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)"
setup="$(realpath "${1:-build/windows/Tavolex-$version-setup.exe}")"
stage="$(realpath "${2:-build/windows/package/Tavolex-$version-windows-x64}")"
started=$SECONDS

export TAVOLEX_WINEPREFIX="${TAVOLEX_WINEPREFIX:-$root/build/windows/wine}"
win() { ./scripts/wine.sh "$@"; }
# Wine's console tools write in the Japanese code page.
reg_query() { win reg query "$@" 2>/dev/null | iconv -f CP932 -t UTF-8 | tr -d '\r'; }
# The data of one registry value ("" for the default value), or nothing when it is missing.
reg_value() {
  local key="$1" name="$2" args
  if [ -z "$name" ]; then args=(/ve); else args=(/v "$name"); fi
  reg_query "$key" "${args[@]}" | sed -n 's/^ *[^ ].*  *REG_[A-Z_]*  *//p' | head -n 1
}
reg_missing() { ! win reg query "$1" >/dev/null 2>&1; }
dos_path() { local p="$1"; printf 'Z:%s' "${p//\//\\}"; }

failures=0
check() {
  local what="$1"
  shift
  if "$@"; then
    echo "ok: $what"
  else
    echo "FAILED: $what" >&2
    failures=$((failures + 1))
  fi
}
same() { [ "$1" = "$2" ] || { echo "  got '$1', expected '$2'" >&2 && false; }; }

trap './scripts/wine.sh stop' EXIT
./scripts/wine.sh start
WINEPREFIX="$TAVOLEX_WINEPREFIX"

instdir="$WINEPREFIX/drive_c/Program Files/Tavolex"
appdata="$(win winepath -u "$(win cmd /c echo %APPDATA% | tr -d '\r')" | tr -d '\r')/Tavolex"
menu_entry="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Tavolex JWW図面連続印刷.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavolex'
jww_key='HKCR\SystemFileAssociations\.jww'
expected_files=(LICENSE.txt README-en.txt README-ja.txt tavolex-print.exe tavolex.exe
  tavolex.installed uninstall.exe)

# A clean start, as on a machine where Jw_cad owns .jww and Tavolex was never installed.
rm -rf "$instdir" "$appdata" "$menu_entry"
win reg delete "$uninstall_key" /f >/dev/null 2>&1 || true
win reg delete "$jww_key" /f >/dev/null 2>&1 || true
win reg add 'HKCR\.jww' /ve /d JWW.Document /f >/dev/null

echo "installing $(basename "$setup")"
check "the installer ends with 0" win "$setup" /S
installed="$(cd "$instdir" 2>/dev/null && find . -mindepth 1 -printf '%P\n' | sort | tr '\n' ' ')"
check "Program Files\\Tavolex holds the programs and texts" \
  same "$installed" "$(printf '%s\n' "${expected_files[@]}" | sort | tr '\n' ' ')"
check "uninstall entry: DisplayName" same "$(reg_value "$uninstall_key" DisplayName)" "Tavolex"
check "uninstall entry: DisplayVersion" \
  same "$(reg_value "$uninstall_key" DisplayVersion)" "$version"
check "uninstall entry: Publisher" \
  same "$(reg_value "$uninstall_key" Publisher)" "The Tavolex developers"
check "uninstall entry: UninstallString" same "$(reg_value "$uninstall_key" UninstallString)" \
  '"C:\Program Files\Tavolex\uninstall.exe"'
check "uninstall entry: InstallLocation" \
  same "$(reg_value "$uninstall_key" InstallLocation)" 'C:\Program Files\Tavolex'
check "Start-menu entry" test -f "$menu_entry"
check "context menu: MUIVerb" same "$(reg_value "$jww_key\\shell\\Tavolex" MUIVerb)" \
  "Tavolexで印刷"
check "context menu: command" same "$(reg_value "$jww_key\\shell\\Tavolex\\command" "")" \
  '"C:\Program Files\Tavolex\tavolex.exe" "%1"'
check "HKCR\\.jww stays Jw_cad's" same "$(reg_value 'HKCR\.jww' "")" "JWW.Document"

check "the installed tavolex-print.exe tells its version" \
  grep -q "$version" <(win "$instdir/tavolex-print.exe" --version 2>&1)

# Each copy prints a drawing with a stored image (unpacked into the work folder) to a PNG page.
work="$(mktemp -d)"
drawing="$(dos_path "$root/examples/stored-image.jww")"
print_with() { win "$1" --quiet --png "$(dos_path "$work/$2")" --dpi 50 "$drawing" >/dev/null 2>&1; }
check "the installed copy prints" print_with "$instdir/tavolex-print.exe" installed
check "the installed copy works in %APPDATA%\\Tavolex" test -d "$appdata"
check "the installed copy leaves its own folder alone" test ! -e "$instdir/TEMP"
rm -rf "$appdata"
mkdir "$work/portable"
cp "$stage/tavolex-print.exe" "$work/portable/"
check "a portable copy prints" print_with "$work/portable/tavolex-print.exe" portable
check "a portable copy keeps its work beside itself" test ! -e "$appdata"
check "both printed a page" test -n "$(find "$work/installed" "$work/portable" -name '*.png')"
rm -rf "$work"
mkdir -p "$appdata"
echo "settings" >"$appdata/tavolex.dat"

echo "uninstalling"
check "the uninstaller ends with 0" win "$instdir/uninstall.exe" /S
# The uninstaller runs on from a copy of itself in the temporary folder.
for _ in $(seq 60); do
  [ -e "$instdir" ] || break
  sleep 0.5
done
check "Program Files\\Tavolex is gone" test ! -e "$instdir"
check "the uninstall entry is gone" reg_missing "$uninstall_key"
check "the context-menu verb is gone" reg_missing "$jww_key"
check "the Start-menu entry is gone" test ! -e "$menu_entry"
check "HKCR\\.jww is still Jw_cad's" same "$(reg_value 'HKCR\.jww' "")" "JWW.Document"
check "the user's settings stay" test -f "$appdata/tavolex.dat"
rm -rf "$appdata"
win reg delete 'HKCR\.jww' /f >/dev/null 2>&1 || true

echo "installer check: $((SECONDS - started)) s, $failures failed"
[ "$failures" -eq 0 ]
