#!/usr/bin/env bash
# Cross-builds the Windows programs (mingw-w64, linked statically) and writes
# build/windows/Tavolex-<version>-windows-x64.zip: the programs, the core test programs (in
# "tests", so the core can be checked on a real Windows), the Japanese and English readme and the
# licence; and build/windows/Tavolex-<version>-setup.exe, the installer of the programs
# (packaging/windows/tavolex.nsi, Debian's makensis). Prints the zip's and the installer's paths.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
build="$root/build/windows"

./scripts/install-deps.sh

if command -v ccache >/dev/null 2>&1; then
  export CMAKE_CXX_COMPILER_LAUNCHER="${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}"
fi
cmake --preset windows >/dev/null
cmake --build --preset windows

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
name="Tavolex-$version-windows-x64"
stage="$build/package/$name"
rm -rf "$build/package"
mkdir -p "$stage/tests"

# The programs the zip and the installer must hold; a missing one fails the build.
programs=(tavolex.exe tavolex-print.exe)
for program in "${programs[@]}"; do
  if [ ! -f "$build/src/$program" ]; then
    echo "build-windows.sh: $program was not built (expected in $build/src)" >&2
    exit 1
  fi
  cp "$build/src/$program" "$stage/"
done
shopt -s nullglob
tests=("$build"/tests/tests_*.exe)
if [ "${#tests[@]}" -gt 0 ]; then cp "${tests[@]}" "$stage/tests/"; fi
executables=("$stage"/*.exe "$stage"/tests/*.exe)
./scripts/check-windows-imports.sh "${executables[@]}"
x86_64-w64-mingw32-strip "${executables[@]}"

# Texts as Windows' Notepad reads them best: CR LF lines, and UTF-8 with a byte-order mark for the
# readmes (the licence is ASCII).
for readme in packaging/windows/README-*.txt; do
  { printf '\xEF\xBB\xBF'; sed 's/$/\r/' "$readme"; } >"$stage/$(basename "$readme")"
done
sed 's/$/\r/' LICENSE >"$stage/LICENSE.txt"

zip_file="$build/$name.zip"
rm -f "$zip_file"
(cd "$build/package" && zip -q -r -X "$zip_file" "$name")
echo "$zip_file"

# The installer takes the programs and texts of the zip, not its tests.
setup_file="$build/Tavolex-$version-setup.exe"
rm -f "$setup_file"
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$setup_file" \
  packaging/windows/tavolex.nsi >&2
echo "$setup_file"
