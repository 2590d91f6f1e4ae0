#!/usr/bin/env bash
# Lint: the format check (clang-format 14) and clang-tidy 14 over the product
# code (not tests, benchmarks or fuzz targets). Exits non-zero on any finding.
#
#   scripts/lint.sh [all|format|tidy] [--all-files] [build-dir]
#
# tidy reads the compile commands of a configured build (default
# build/release: `cmake --preset release`). Checks: .clang-tidy; style:
# .clang-format.
#
# All 69 product files take about 5 CPU minutes (7 minutes' wall time on the
# shared 2-core machine while it was building), a third of it in the Qt
# windows. So by default tidy checks the Qt-free layers and, of ui/, windows/
# and app/, only the files changed since the branch left main (and those
# including a changed header): 50 files, 3.4 CPU minutes. --all-files checks
# every product file.
set -euo pipefail
cd "$(dirname "$0")/.."
step=all
all_files=0
build=build/release
for arg in "$@"; do
    case $arg in
        all | format | tidy) step=$arg ;;
        --all-files) all_files=1 ;;
        *) build=$arg ;;
    esac
done

check_format() {
    echo "lint: format (clang-format --dry-run --Werror)"
    git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-14 --dry-run --Werror
}

product_files() {
    git ls-files '*.cpp' | grep -v -E '(_test\.cpp$|^tests/|^bench/|^fuzz/)'
}

# The Qt-free layers always; of the Qt ones, what changed against main.
files_to_tidy() {
    if [[ $all_files -eq 1 ]]; then
        product_files
        return
    fi
    local base changed
    base=$(git merge-base HEAD main 2>/dev/null || git rev-parse HEAD)
    changed=$( (git diff --name-only "$base" -- '*.cpp' '*.h'; git ls-files -m -o --exclude-standard -- '*.cpp' '*.h') | sort -u)
    product_files | while read -r f; do
        case $f in
            ui/* | windows/* | app/*) ;;
            *) echo "$f"; continue ;;
        esac
        if grep -qxF "$f" <<<"$changed"; then
            echo "$f"
            continue
        fi
        # A changed header of the Qt layers brings in the files that include it.
        for h in $(grep -E '^(ui|windows|app)/.*\.h$' <<<"$changed" || true); do
            if grep -qF "\"$h\"" "$f"; then
                echo "$f"
                break
            fi
        done
    done
}

check_tidy() {
    if [[ ! -f $build/compile_commands.json ]]; then
        echo "lint: no $build/compile_commands.json; configure first (cmake --preset release)" >&2
        return 2
    fi
    local files regex out
    files=$(files_to_tidy)
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
        echo "usage: scripts/lint.sh [all|format|tidy] [--all-files] [build-dir]" >&2
        exit 2
        ;;
esac
