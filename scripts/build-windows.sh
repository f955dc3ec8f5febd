#!/usr/bin/env bash
# Cross-builds the Windows programs (mingw-w64, linked statically) and writes
# build/windows/Tavolex-<version>-windows-x64.zip: the programs, the core test programs (in
# "tests", so the core can be checked on a real Windows) and the Japanese and English readme.
# Prints the zip's path last.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
build="$root/build/windows"

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

shopt -s nullglob
programs=("$build"/src/*.exe)
tests=("$build"/tests/tests_*.exe)
if [ "${#programs[@]}" -gt 0 ]; then cp "${programs[@]}" "$stage/"; fi
if [ "${#tests[@]}" -gt 0 ]; then cp "${tests[@]}" "$stage/tests/"; fi
if [ "${#programs[@]}" -eq 0 ] && [ "${#tests[@]}" -eq 0 ]; then
  echo "build-windows.sh: no Windows program was built" >&2
  exit 1
fi
executables=("$stage"/*.exe "$stage"/tests/*.exe)
./scripts/check-windows-imports.sh "${executables[@]}"
x86_64-w64-mingw32-strip "${executables[@]}"

# Readmes as Windows' Notepad reads them best: UTF-8 with a byte-order mark, CR LF lines.
for readme in packaging/windows/README-*.txt; do
  { printf '\xEF\xBB\xBF'; sed 's/$/\r/' "$readme"; } >"$stage/$(basename "$readme")"
done

zip_file="$build/$name.zip"
rm -f "$zip_file"
(cd "$build/package" && zip -q -r -X "$zip_file" "$name")
echo "$zip_file"
