#!/usr/bin/env bash
# Builds the benchmarks and runs them all, one line per figure with its goal.
# Figures are of one run on this machine; nothing here is a test.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$here/build-bench"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUILL_TESTS=ON -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
targets=(bench_keystroke bench_outline bench_replace bench_texrun bench_load bench_colour bench_adapter platform_bench)
cmake --build "$build" -j3 --target "${targets[@]}" >/dev/null
export QT_QPA_PLATFORM=offscreen
for t in "${targets[@]}"; do
  echo "== $t"
  "$build/$t" 2>/dev/null || echo "$t failed (exit $?)"
done
