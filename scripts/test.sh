#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test:
#   1. the Release build: all test suites, the command line, the real program in a real X
#      server, and the desktop files and Debian package;
#   2. the same suites built with AddressSanitizer and UndefinedBehaviorSanitizer;
#   3. a short run of each fuzz target (clang's libFuzzer).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
jobs=$(nproc)

echo "== Release build =="
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DKESTRUNE_SMOKE=ON -DKESTRUNE_WERROR=ON >/dev/null
cmake --build build/release -j "$jobs"
ctest --test-dir build/release --output-on-failure

echo "== desktop files and Debian package =="
desktop-file-validate packaging/org.kestrune.Kestrune.desktop
appstreamcli validate --no-net packaging/org.kestrune.Kestrune.metainfo.xml
(cd build/release && cpack >/dev/null)
contents=$(dpkg-deb -c build/release/kestrune_*_amd64.deb)
for file in bin/kestrune applications/org.kestrune.Kestrune.desktop \
            metainfo/org.kestrune.Kestrune.metainfo.xml mime/packages/org.kestrune.Kestrune.xml \
            apps/org.kestrune.Kestrune.svg man1/kestrune.1.gz doc/kestrune/copyright; do
    grep -q "$file" <<<"$contents" || { echo "the package lacks $file" >&2; exit 1; }
done
contents=$(dpkg-deb -c build/release/kestrune-dev_*_amd64.deb)
for file in include/kestrune/shapes/iKindPlugin.h cmake/Kestrune/KestruneConfig.cmake \
            doc/kestrune-dev/copyright; do
    grep -q "$file" <<<"$contents" || { echo "the kit package lacks $file" >&2; exit 1; }
done
lintian --fail-on error build/release/kestrune_*_amd64.deb build/release/kestrune-dev_*_amd64.deb # warnings are shown, errors fail

echo "== Debian's default flags, warnings as errors =="
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS)" LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    cmake -S . -B build/debian -DCMAKE_BUILD_TYPE=None -DKESTRUNE_TESTS=OFF -DKESTRUNE_WERROR=ON >/dev/null
cmake --build build/debian -j "$jobs" --target kestrune

echo "== AddressSanitizer and UndefinedBehaviorSanitizer build =="
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DKESTRUNE_SANITIZE=ON -DKESTRUNE_WERROR=ON >/dev/null
cmake --build build/sanitize -j "$jobs"
ctest --test-dir build/sanitize --output-on-failure

echo "== fuzzing (short run) =="
CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKESTRUNE_FUZZ=ON -DKESTRUNE_WERROR=ON >/dev/null
cmake --build build/fuzz -j "$jobs"
ctest --test-dir build/fuzz --output-on-failure
