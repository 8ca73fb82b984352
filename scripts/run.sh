#!/usr/bin/env bash
# Set-up, release build and start of the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target kelvor
exec ./build/kelvor "$@"
