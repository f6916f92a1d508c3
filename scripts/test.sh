#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test:
#   1. the plain build: all test suites, and the real program in a real X server;
#   2. the same suites built with AddressSanitizer and UndefinedBehaviorSanitizer;
#   3. a short run of each fuzz target (clang's libFuzzer).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)

echo "== plain build =="
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTRUNE_SMOKE=ON -DKESTRUNE_WERROR=ON >/dev/null
cmake --build build/release -j "$jobs"
ctest --test-dir build/release --output-on-failure

echo "== AddressSanitizer and UndefinedBehaviorSanitizer build =="
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DKESTRUNE_SANITIZE=ON -DKESTRUNE_WERROR=ON >/dev/null
cmake --build build/sanitize -j "$jobs"
ctest --test-dir build/sanitize --output-on-failure

echo "== fuzzing (short run) =="
CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTRUNE_FUZZ=ON -DKESTRUNE_WERROR=ON >/dev/null
cmake --build build/fuzz -j "$jobs"
ctest --test-dir build/fuzz --output-on-failure
