#!/usr/bin/env bash
# The one entry point of the benchmarks: builds them and runs them all.
#   bench/run.sh [BUILD_DIR]     (default: build-bench beside the sources,
#                                 configured for Release)
# Every figure compares the product with a bare baseline taking turns in
# one process (start-up and memory: one process a turn), paint included,
# and ends with "met" or "not met" from the median.  The output of a whole
# run is what gets quoted.
set -uo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$here/build-bench}"
if [ ! -f "$build/CMakeCache.txt" ]; then
  launcher=()
  command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUILL_TESTS=ON "${launcher[@]}" >/dev/null || exit 1
fi
targets=(bench_keystroke bench_load bench_colour bench_startup bench_memory bench_outline
         bench_replace bench_cmdassist bench_adapter bench_texrun platform_bench)
log="$build/bench-build.log"
cmake --build "$build" -j3 --target "${targets[@]}" >"$log" 2>&1 || { cat "$log"; echo "the benchmarks did not build"; exit 1; }
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
echo "Quillmark benchmarks, $(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
status=0
for t in "${targets[@]}"; do
  echo
  echo "== $t"
  "$build/$t" 2>/dev/null || { echo "$t failed (exit $?)"; status=1; }
done
exit $status
