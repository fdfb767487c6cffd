#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B out/test -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build out/test
cd out/test
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j2
