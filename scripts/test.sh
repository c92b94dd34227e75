#!/usr/bin/env bash
# Installs what is missing, builds Quillmark with its tests and runs them all.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/setup.sh"
cmake -S "$here" -B "$here/build-test" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILL_TESTS=ON >/dev/null
cmake --build "$here/build-test" -j"$(nproc)"
cd "$here/build-test"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" --timeout 300
