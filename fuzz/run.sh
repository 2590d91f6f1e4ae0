#!/usr/bin/env bash
# Builds the fuzz targets (preset "fuzz": clang, no Qt) and runs each one for
# a while, one after the other. Fails when a target finds a crash, a leak, a
# sanitizer report, a broken property or a hang.
#
#   fuzz/run.sh [seconds-per-target]      default 8 s per target
#
# Seeds come from fuzz/corpus/<name>/ (read only); what the fuzzer learns goes
# to build/fuzz/corpus/<name>/ and crash inputs to build/fuzz/artifacts/.
# Reproduce a crash with: build/fuzz/fuzz/fuzz_<name> <crash-file>
set -euo pipefail

seconds="${1:-8}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/fuzz"
cd "$root"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2

status=0
for src in "$root"/fuzz/fuzz_*.cpp; do
    target="$(basename "$src" .cpp)"
    name="${target#fuzz_}"
    work="$build/corpus/$name"
    artifacts="$build/artifacts"
    mkdir -p "$work" "$artifacts"
    echo "== $target: ${seconds} s"
    if ! "$build/fuzz/$target" "$work" "$root/fuzz/corpus/$name" \
            -max_total_time="$seconds" -max_len=1024 -timeout=10 -rss_limit_mb=2048 \
            -artifact_prefix="$artifacts/$name-" -print_final_stats=1 2>"$build/$name.log"; then
        echo "!! $target failed; the end of its log ($build/$name.log):"
        tail -n 40 "$build/$name.log"
        status=1
    else
        grep -E '^stat::number_of_executed_units|^stat::average_exec_per_sec' "$build/$name.log" | sed 's/^/   /'
    fi
done
exit "$status"
