#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B out/run -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRENAK_BUILD_TESTS=OFF -DBRENAK_BUILD_BENCHMARKS=OFF
cmake --build out/run --target brenak
exec out/run/bin/brenak "$@"
