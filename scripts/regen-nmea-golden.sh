#!/usr/bin/env bash
# regen-nmea-golden.sh [BUILD_DIR]: rewrites tests/data/nmea-golden/<name>.decode from
# `quilo-tool decode` on each capture in tests/data/nmea. Run it only on purpose, after a
# change to decoding, and review `git diff tests/data/nmea-golden` before committing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
tool=$build/src/tool/quilo-tool
[ -x "$tool" ] || { echo "regen-nmea-golden: no quilo-tool at $tool (build it first)" >&2; exit 2; }
out=$root/tests/data/nmea-golden
mkdir -p "$out"
for capture in "$root"/tests/data/nmea/*.log; do
    name=$(basename "$capture" .log)
    "$tool" decode "$capture" >"$out/$name.decode.tmp"
    mv "$out/$name.decode.tmp" "$out/$name.decode"
done
echo "wrote $(ls "$out"/*.decode | wc -l) golden files to $out"
