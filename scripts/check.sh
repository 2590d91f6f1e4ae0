#!/usr/bin/env bash
# Installs what is missing, checks the formatting and lints the code
# (scripts/lint.sh), builds everything and runs every test: once in the
# release build with warnings as errors (preset "ci"), once more under
# AddressSanitizer and UndefinedBehaviorSanitizer (halting on the first
# report), and a short run of each fuzz target over the file readers and
# the sound decoders.
# The release build is also packaged (.deb) and the package checked.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)
cmake --preset ci >/dev/null
scripts/lint.sh all build/ci
cmake --build --preset ci -j"$jobs"
ctest --preset ci -j"$jobs"
scripts/package.sh build/ci
cmake --preset asan >/dev/null
cmake --build --preset asan -j"$jobs"
ctest --preset asan -j"$jobs"
fuzz/run.sh 8
