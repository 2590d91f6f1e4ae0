#!/bin/sh
# Regenerates all of Varnholt's music and sound effects into resources/media/
# from the scores and recipes in this directory.  Not part of the game build.
#
# Needs these Debian packages:
#   fluidsynth fluid-soundfont-gm sox libsox-fmt-mp3 lame python3 python3-numpy
# (measure.py, which prints the figures the files are held to, needs the same.)
#
# Usage: tools/media/render_all.sh [--only bgm6,ts1,sfx,...] [--keep WORKDIR]
# The output is byte-for-byte repeatable: run it twice and compare sha256sum.
set -eu

PACKAGES="fluidsynth fluid-soundfont-gm sox libsox-fmt-mp3 lame python3 python3-numpy"
missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
if [ -n "$missing" ]; then
    echo "missing Debian packages:$missing" >&2
    echo "install them with: apt-get install$missing" >&2
    exit 1
fi
if [ ! -f /usr/share/sounds/sf2/FluidR3_GM.sf2 ]; then
    echo "FluidR3_GM.sf2 not found (package fluid-soundfont-gm)" >&2
    exit 1
fi

here=$(cd "$(dirname "$0")" && pwd)
# Debian's interpreter on purpose: the scripts use its standard library and Debian's numpy
exec /usr/bin/python3 "$here/build.py" "$@"
