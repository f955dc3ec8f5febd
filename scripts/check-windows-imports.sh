#!/usr/bin/env bash
# Checks that Windows programs import only Windows' own DLLs, so each runs from its folder
# alone, with no runtime DLL (libstdc++, libgcc, libwinpthread, zlib) beside it.
#   ./scripts/check-windows-imports.sh PROGRAM.exe...
set -euo pipefail

# Windows' own DLLs the programs may use (lower case): kernel, C runtime, window system,
# drawing, printing, shell and common dialogs.
allowed=" kernel32.dll msvcrt.dll ucrtbase.dll user32.dll gdi32.dll gdiplus.dll advapi32.dll
  shell32.dll shlwapi.dll ole32.dll oleaut32.dll comctl32.dll comdlg32.dll winspool.drv
  uxtheme.dll dwmapi.dll imm32.dll version.dll ws2_32.dll bcrypt.dll msimg32.dll "
# One space between names, so a name at a line end matches as well.
allowed=" $(echo $allowed) "

if [ "$#" -eq 0 ]; then
  echo "usage: $0 PROGRAM.exe..." >&2
  exit 2
fi

bad=0
for exe in "$@"; do
  dlls="$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z')"
  if [ -z "$dlls" ]; then
    echo "$exe: no import table found" >&2
    bad=1
    continue
  fi
  for dll in $dlls; do
    case "$dll" in
      api-ms-win-*) continue ;;  # Windows' own API sets
    esac
    if [[ "$allowed" != *" $dll "* ]]; then
      echo "$exe: imports $dll, which is not part of Windows" >&2
      bad=1
    fi
  done
done
exit "$bad"
