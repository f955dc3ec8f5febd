#!/usr/bin/env bash
# Installs what Tavolex needs, builds it, writes the example drawings of examples/ again with the
# project's own JWW writer and prints them to one PDF: build/examples.pdf.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --preset release
cmake --build --preset release --target tavolex-print make_examples
./build/release/tools/make_examples examples
./build/release/src/tavolex-print --style fit --pdf build/examples.pdf examples
echo "Printed: $(pwd)/build/examples.pdf"
