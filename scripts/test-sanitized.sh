#!/usr/bin/env bash
# Builds the test suite with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs it; the first report of either ends the test that made it.
# Expects the packages of scripts/setup.sh to be there (scripts/test.sh
# installs them).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$here/build-sanitize"
jobs="$(nproc)"

# -O1 keeps the build and the run quick while the reports keep their lines;
# only the test program and the two programs it starts are built.
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -g" \
      -DQUILL_TESTS=ON -DQUILL_SANITIZE=ON >/dev/null
cmake --build "$build" -j"$jobs" --target quill_tests

supp="$here/scripts/sanitizer"
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=0:detect_leaks=1:detect_stack_use_after_return=0:strict_string_checks=0"
export LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1:suppressions=$supp/ubsan.supp"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --stop-on-failure -j"$jobs" --timeout 600
