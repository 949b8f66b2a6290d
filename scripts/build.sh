#!/usr/bin/env bash
# build.sh DIR [cmake options...]: configures (once) and builds into DIR.
set -euo pipefail
dir=$1
shift
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$(dirname "$0")/.." -B "$dir" "${generator[@]}" "$@" >/dev/null
elif [ $# -gt 0 ]; then
    # Options given now apply to a folder configured before, too.
    cmake -S "$(dirname "$0")/.." -B "$dir" "$@" >/dev/null
fi
cmake --build "$dir" --parallel "$(nproc)"
