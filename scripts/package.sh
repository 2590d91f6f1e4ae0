#!/usr/bin/env bash
# Builds the Debian package from a release build and checks it the way a
# distribution would: lintian (no errors), the AppStream metainfo and the
# menu entry inside the package.
#   usage: scripts/package.sh [build dir]      (default build/release)
# Leaves varnholt_<version>_amd64.deb in the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}

(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/varnholt_*_amd64.deb | head -n 1)
echo "package: $deb"

# Errors fail the check; warnings are shown.
lintian --fail-on error "$deb"

tree=$(mktemp -d "${TMPDIR:-/tmp}/vrh_deb.XXXXXX")
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
appstreamcli validate --no-net "$tree"/usr/share/metainfo/*.metainfo.xml
desktop-file-validate "$tree/usr/share/applications/varnholt.desktop"
echo "package checks passed"
