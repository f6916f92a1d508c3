#!/usr/bin/env bash
# Installs what is missing, builds Kestrune and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j "$(nproc)" --target kestrune
exec build/release/kestrune "$@"
