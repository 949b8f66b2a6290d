#!/usr/bin/env bash
# build.sh DIR [cmake options...]: configures (once) and builds into DIR. The generator is the
# one CMAKE_GENERATOR names in the environment, else Ninja when it is installed, else CMake's
# default (Unix Makefiles); a folder configured with another one is configured afresh.
set -euo pipefail
dir=$1
shift
wanted=${CMAKE_GENERATOR:-}
if [ -z "$wanted" ]; then
    wanted="Unix Makefiles"
    command -v ninja >/dev/null && wanted=Ninja
fi
if [ -f "$dir/CMakeCache.txt" ] &&
    [ "$(sed -n 's/^CMAKE_GENERATOR:INTERNAL=//p' "$dir/CMakeCache.txt")" != "$wanted" ]; then
    rm -rf "$dir/CMakeCache.txt" "$dir/CMakeFiles"
fi
if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$(dirname "$0")/.." -B "$dir" -G "$wanted" "$@" >/dev/null
elif [ $# -gt 0 ]; then
    # Options given now apply to a folder configured before, too.
    cmake -S "$(dirname "$0")/.." -B "$dir" "$@" >/dev/null
fi
cmake --build "$dir" --parallel "$(nproc)"
