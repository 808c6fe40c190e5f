#!/usr/bin/env bash
# Builds lexovita with all tests and runs the whole test suite, then the same
# suite under AddressSanitizer + UBSan, then every fuzz target for a short while.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
start=$SECONDS
BUILD_DIR=${BUILD_DIR:-build/test}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLEXOVITA_BUILD_TESTS=ON -DLEXOVITA_BUILD_BENCH=ON \
  -DLEXOVITA_WERROR=ON
cmake --build "$BUILD_DIR" --parallel "$(nproc)"
(cd "$BUILD_DIR" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" --timeout 600)
echo "Normaler Lauf: $((SECONDS - start)) s"

# Sanitizers: a bad read, an overflow, a leak or undefined behaviour fails the
# test that triggers it.
cmake --preset asan -DLEXOVITA_BUILD_TESTS=ON -DLEXOVITA_WERROR=ON
cmake --build build/asan --parallel "$(nproc)"
(cd build/asan && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --output-on-failure --parallel "$(nproc)" --timeout 900)
echo "Mit Sanitizern: $((SECONDS - start)) s"

# Fuzzing: 30 seconds per target from its seed corpus (tests/fuzz/corpus).
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLEXOVITA_FUZZ=ON \
  -DLEXOVITA_WERROR=ON -DLEXOVITA_FUZZ_SEKUNDEN=30
cmake --build build/fuzz --parallel "$(nproc)"
(cd build/fuzz && ctest --output-on-failure --parallel "$(nproc)")
echo "Gesamt: $((SECONDS - start)) s"
