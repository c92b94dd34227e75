#!/usr/bin/env bash
# Installs what is missing, builds Quillmark and starts it (optionally on a file).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/setup.sh"
cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=Release -DQUILL_TESTS=OFF >/dev/null
cmake --build "$here/build" -j"$(nproc)" --target quillmark quilldde
exec "$here/build/quillmark" "$@"
