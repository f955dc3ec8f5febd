#!/usr/bin/env bash
# CI for Windows: cross-builds the windows preset with its zip and installer (the import tables
# checked on the way), runs the core tests under Wine, in a private prefix with a Japanese locale,
# and installs, uses and uninstalls the installer there.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build-windows.sh
# A failed or interrupted run must not leave the prefix's Wine server behind.
trap './scripts/wine.sh stop' EXIT
ctest --preset windows
./scripts/check-windows-installer.sh
