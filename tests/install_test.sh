#!/usr/bin/env bash
# The desktop install: installs the build into a fresh prefix and checks the
# tree a package would ship.
#   usage: install_test.sh <build dir>
set -euo pipefail

build=${1:?usage: install_test.sh <build dir>}
prefix=$(mktemp -d "${TMPDIR:-/tmp}/vrh_install.XXXXXX")
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

fail=0
need() {
  if [ ! -e "$prefix/$1" ]; then echo "missing: $1"; fail=1; fi
}

need bin/varnholt
[ -x "$prefix/bin/varnholt" ] || { echo "not executable: bin/varnholt"; fail=1; }
need bin/ws.txt
need share/applications/varnholt.desktop
for size in 16 32 48 64 128 256; do
  need "share/icons/hicolor/${size}x${size}/apps/varnholt.png"
done

desktop="$prefix/share/applications/varnholt.desktop"
if [ -e "$desktop" ]; then
  if command -v desktop-file-validate >/dev/null 2>&1; then
    desktop-file-validate "$desktop" || { echo "desktop-file-validate rejects varnholt.desktop"; fail=1; }
  else
    echo "SKIPPED: desktop-file-validate not found (package desktop-file-utils), menu entry not validated"
  fi
fi

[ "$fail" -eq 0 ] && echo "install tree complete"
exit "$fail"
