#!/usr/bin/env bash
# Prints every drawing of examples/ and ../shared/jww-samples again and rewrites the reference
# pages in tests/reference/, which the ReferencePages test holds every build against.
#
# Run it only when a change is meant to alter what is printed, look at the difference it makes
# (git diff tests/reference), and commit the new references on their own with a message that says
# why the pages changed.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build build/release --target update_reference_pages
./build/release/tools/update_reference_pages
git diff --stat -- tests/reference
