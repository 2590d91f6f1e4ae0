#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: once in
# the release build, once more under AddressSanitizer and
# UndefinedBehaviorSanitizer (halting on the first report), and a short run
# of each fuzz target over the file readers and the device's commands.
# The release build is also packaged (.deb) and the package checked.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)
cmake --preset release >/dev/null
cmake --build --preset release -j"$jobs"
ctest --preset release -j"$jobs"
scripts/package.sh build/release
cmake --preset asan >/dev/null
cmake --build --preset asan -j"$jobs"
ctest --preset asan -j"$jobs"
fuzz/run.sh 8
