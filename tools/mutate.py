#!/usr/bin/env python3
"""Mutation check: do the unit tests notice when a rule of the game is broken?

Each entry of tools/mutations.txt changes one line of product code. For each
entry this script applies the change, builds the GoogleTest executables of the
changed layer and the layers above it (plus the window tests for ui/ and
windows/), runs them and puts the file back. A mutation is
  caught    a test failed,
  survived  every test passed (a rule the tests do not hold),
  invalid   the mutated code did not build (not counted),
  stale     the original text is no longer in the file (not counted).

    tools/mutate.py [build-dir] [--only PATTERN] [--verbose]

The build dir (default build/release) must be configured already.
"""
import argparse
import os
import re
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
# Unit-test layers, bottom up: a change in one layer can break its tests and
# those of every layer above it.
LAYERS = ["platform", "audio", "draw", "game", "meta", "shell"]
WINDOW_LAYERS = ["ui", "windows"]
BUILD_TIMEOUT = 900
TEST_TIMEOUT = 300


def parse(path):
    """Entries: '[note]' then 'file:', 'from:', 'to:' lines; '#' starts a comment."""
    entries, cur = [], None
    for n, raw in enumerate(path.read_text().splitlines(), 1):
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        if line.startswith("[") and line.endswith("]"):
            cur = {"note": line[1:-1].strip(), "line": n}
            entries.append(cur)
            continue
        key, sep, value = line.partition(":")
        if cur is None or not sep or key not in ("file", "from", "to"):
            sys.exit(f"{path}:{n}: expected '[note]', 'file:', 'from:' or 'to:'")
        cur[key] = value.strip()
    for e in entries:
        missing = {"file", "from", "to"} - e.keys()
        if missing:
            sys.exit(f"{path}:{e['line']}: entry '{e['note']}' lacks {', '.join(sorted(missing))}")
    return entries


def test_targets(build, file):
    top = file.split("/")[0]
    if top in WINDOW_LAYERS:
        gtest = LAYERS[:]
    elif top in LAYERS:
        gtest = LAYERS[LAYERS.index(top):]
    else:
        gtest = LAYERS[:]
    gtest = [f"{l}_tests" for l in gtest if (ROOT / l).is_dir() and any((ROOT / l).glob("*_test.cpp"))]
    windows = [f"{l}_tests" for l in WINDOW_LAYERS] if top in WINDOW_LAYERS else []
    return gtest, windows


def run(cmd, cwd, timeout, env=None):
    try:
        p = subprocess.run(cmd, cwd=cwd, timeout=timeout, env=env, encoding="utf-8", errors="replace",
                           stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        return p.returncode, p.stdout
    except subprocess.TimeoutExpired as e:
        out = e.stdout.decode(errors="replace") if isinstance(e.stdout, bytes) else (e.stdout or "")
        return -1, out + f"\n(timed out after {timeout} s)"


def build_and_test(build, file, verbose):
    """'caught', 'survived' or 'invalid', and what decided it."""
    gtest, windows = test_targets(build, file)
    code, out = run(["nice", "-n", "10", "cmake", "--build", str(build), "-j2", "--target", *gtest, *windows],
                    ROOT, BUILD_TIMEOUT)
    if code != 0:
        return "invalid", last_error(out)
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", SDL_AUDIODRIVER="dummy")
    for target in gtest:
        code, out = run([str(build / target), "--gtest_brief=1"], build, TEST_TIMEOUT, env)
        if verbose:
            print(out)
        if code != 0:
            failed = re.findall(r"\[  FAILED  \] (\S+)", out)
            return "caught", f"{target}: {failed[0] if failed else 'exit ' + str(code)}"
    if windows:
        pattern = "^(" + "|".join(l for l in WINDOW_LAYERS) + r")\."
        code, out = run(["ctest", "-j2", "-R", pattern, "--timeout", str(TEST_TIMEOUT)], build,
                        TEST_TIMEOUT * 4, env)
        if code != 0:
            failed = re.findall(r"\d+ - (\S+) \(", out)
            return "caught", f"window tests: {failed[0] if failed else 'exit ' + str(code)}"
    return "survived", ""


def last_error(out):
    errors = [l for l in out.splitlines() if "error" in l]
    return (errors[0] if errors else out.strip().splitlines()[-1] if out.strip() else "build failed")[:100]


def git_diff():
    return subprocess.run(["git", "diff", "--stat"], cwd=ROOT, text=True, stdout=subprocess.PIPE).stdout


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("build", nargs="?", default="build/release")
    ap.add_argument("--only", help="regular expression on the note or file of an entry")
    ap.add_argument("--list", default=str(ROOT / "tools/mutations.txt"))
    ap.add_argument("--verbose", action="store_true")
    args = ap.parse_args()
    build = (ROOT / args.build).resolve()
    if not (build / "build.ninja").exists() and not (build / "Makefile").exists():
        sys.exit(f"{build} is not a configured build folder (cmake --preset release)")
    entries = parse(Path(args.list))
    if args.only:
        entries = [e for e in entries if re.search(args.only, e["note"] + " " + e["file"])]
    diff_before = git_diff()

    results = []
    for i, e in enumerate(entries, 1):
        path = ROOT / e["file"]
        original = path.read_bytes() if path.exists() else None
        text = original.decode() if original is not None else ""
        count = text.count(e["from"])
        start = time.monotonic()
        if count == 0:
            status, why = "stale", "original text not found"
        else:
            print(f"[{i}/{len(entries)}] {e['file']}: {e['note']}", flush=True)
            try:
                path.write_bytes(text.replace(e["from"], e["to"], 1).encode())
                status, why = build_and_test(build, e["file"], args.verbose)
            finally:
                path.write_bytes(original)
            if count > 1:
                why = f"(first of {count}) " + why
        results.append((i, status, e, why, time.monotonic() - start))
        print(f"    {status} {why}", flush=True)

    print()
    print(f"{'#':>3}  {'result':8}  {'file':28}  {'rule':44}  detail")
    for i, status, e, why, secs in results:
        print(f"{i:>3}  {status:8}  {e['file'][:28]:28}  {e['note'][:44]:44}  {why[:60]}")
    counted = [r for r in results if r[1] in ("caught", "survived")]
    caught = sum(1 for r in counted if r[1] == "caught")
    invalid = sum(1 for r in results if r[1] == "invalid")
    stale = sum(1 for r in results if r[1] == "stale")
    print(f"\ncaught {caught} of {len(counted)}" + (f"; {invalid} invalid" if invalid else "") +
          (f"; {stale} stale" if stale else ""))
    if git_diff() != diff_before:
        sys.exit("the working tree differs from before the run: check git diff")
    return 0 if caught == len(counted) else 1


if __name__ == "__main__":
    sys.exit(main())
