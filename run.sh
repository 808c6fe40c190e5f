#!/usr/bin/env bash
# Builds lexovita in Release and starts it on the bundled starter database.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
BUILD_DIR=${BUILD_DIR:-build/release}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DLEXOVITA_BUILD_TESTS=OFF -DLEXOVITA_BUILD_BENCH=OFF
cmake --build "$BUILD_DIR" --parallel "$(nproc)" --target lexovita lexovita-cli lexovita_data
exec "$BUILD_DIR/bin/lexovita" "$@"
