#!/usr/bin/env bash
# Builds the Debian package of Tavolex: build/<preset>/tavolex_<version>_<arch>.deb.
#   ./scripts/build-package.sh            the programs only (preset "package")
#   ./scripts/build-package.sh release    from the full release build (as CI does, after its tests)
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-package}"
./scripts/install-deps.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
rm -f "build/$preset"/tavolex_*.deb
(cd "build/$preset" && cpack -G DEB >/dev/null)
ls "build/$preset"/tavolex_*.deb
