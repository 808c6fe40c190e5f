#!/usr/bin/env bash
# Builds lexovita with all tests and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
BUILD_DIR=${BUILD_DIR:-build/test}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLEXOVITA_BUILD_TESTS=ON -DLEXOVITA_BUILD_BENCH=ON \
  -DLEXOVITA_WERROR=ON
cmake --build "$BUILD_DIR" --parallel "$(nproc)"
cd "$BUILD_DIR"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" --timeout 600
