#!/usr/bin/env bash
# Lint: the format check (clang-format 14) and clang-tidy 14 over the product
# code (not tests, benchmarks or fuzz targets). Exits non-zero on any finding.
#
#   scripts/lint.sh [all|format|tidy] [build-dir]
#
# tidy reads the compile commands of a configured build (default
# build/release: `cmake --preset release`). Checks: .clang-tidy; style:
# .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
step=${1:-all}
build=${2:-build/release}

check_format() {
    echo "lint: format (clang-format --dry-run --Werror)"
    git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 --dry-run --Werror
}

product_files() {
    git ls-files '*.cpp' | grep -v -E '(_test\.cpp$|^tests/|^bench/|^fuzz/)'
}

check_tidy() {
    if [[ ! -f $build/compile_commands.json ]]; then
        echo "lint: no $build/compile_commands.json; configure first (cmake --preset release)" >&2
        return 2
    fi
    local files regex out
    files=$(product_files)
    echo "lint: tidy ($(wc -l <<<"$files") files, -j$(nproc))"
    regex="^$PWD/($(sed 's/[.]/\\./g' <<<"$files" | paste -sd'|'))\$"
    out=$(mktemp)
    # run-clang-tidy fails only when clang-tidy itself does (a file that does
    # not compile); findings are counted from its output.
    local status=0
    nice -n 10 run-clang-tidy-14 -quiet -j"$(nproc)" -p "$build" "$regex" >"$out" 2>&1 || status=$?
    # One line per finding: colours stripped, a header seen through its
    # include root reported once under its own path.
    local findings
    findings=$(sed 's/\x1b\[[0-9;]*m//g' "$out" | grep -E ': (warning|error): ' |
        sed -E "s|^$PWD/||; s|^$build/include-roots/[a-z]+/||" | sort -u || true)
    if [[ -n $findings ]]; then
        echo "$findings"
        echo "lint: tidy: $(wc -l <<<"$findings") findings (details: $out)"
        return 1
    fi
    if [[ $status -ne 0 ]]; then
        cat "$out"
        echo "lint: clang-tidy failed" >&2
        return 1
    fi
    rm -f "$out"
    echo "lint: tidy: no findings"
}

case $step in
    format) check_format ;;
    tidy) check_tidy ;;
    all)
        rc=0
        check_format || rc=1
        check_tidy || rc=1
        exit $rc
        ;;
    *)
        echo "usage: scripts/lint.sh [all|format|tidy] [build-dir]" >&2
        exit 2
        ;;
esac
