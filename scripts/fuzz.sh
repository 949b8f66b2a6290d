#!/usr/bin/env bash
# fuzz.sh [SECONDS] [TARGET...]: builds the libFuzzer targets with clang into build/fuzz and runs
# each for SECONDS (default 60) over a scratch copy of its seed corpus in fuzz/corpus, so the
# committed seeds never grow. Exits non-zero when any target finds a crash, a leak, a timeout
# or a broken invariant; the input that did it is kept in build/fuzz/artifacts/TARGET/.
# FUZZ_SEED fixes libFuzzer's random seed, so that a run can be repeated; unset, each run
# explores afresh.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
build="$root/build/fuzz"
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(fuzz_nmea fuzz_nmea_stream fuzz_trail_file fuzz_calibration_file fuzz_points_file
        fuzz_coord_entry fuzz_gpx fuzz_journal fuzz_jpeg fuzz_ozi_map fuzz_world_file
        fuzz_ground_overlay fuzz_folder_index fuzz_geotiff fuzz_mbtiles fuzz_gdal_raster
        fuzz_tile_codec)
fi

# Line tables (file and line in a crash's stack) instead of full debug information, which the
# compiler and the linker take longer over.
if [ ! -f "$build/CMakeCache.txt" ]; then
    CXX=clang++ cmake -S "$root" -B "$build" $(command -v ninja >/dev/null && echo -G Ninja) \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILO_BUILD_FUZZ=ON -DQUILO_BUILD_UI=OFF \
        -DQUILO_BUILD_TESTS=OFF "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -gline-tables-only -DNDEBUG" \
        >/dev/null
fi
cmake --build "$build" --parallel "$(nproc)" --target "${targets[@]}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=()
for target in "${targets[@]}"; do
    mkdir -p "$work/$target" "$build/artifacts/$target"
    if [ -d "$root/fuzz/corpus/$target" ]; then
        cp "$root/fuzz/corpus/$target"/* "$work/$target/" 2>/dev/null || true
    fi
    echo "== $target: ${seconds}s" >&2
    # -rss_limit_mb and -malloc_limit_mb catch a count that allocates before it checks.
    if ! "$build/fuzz/$target" "$work/$target" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=1024 -malloc_limit_mb=512 -max_len=8192 -print_final_stats=1 \
        ${FUZZ_SEED:+-seed="$FUZZ_SEED"} -artifact_prefix="$build/artifacts/$target/" \
        >"$work/$target.log" 2>&1; then
        failed+=("$target")
        tail -n 60 "$work/$target.log" >&2
    fi
    grep -E '^(#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units)' "$work/$target.log" >&2 || true
done
if [ ${#failed[@]} -ne 0 ]; then
    echo "fuzz.sh: crashes in ${failed[*]}; inputs in $build/artifacts/" >&2
    exit 1
fi
echo "fuzz.sh: ${#targets[@]} targets ran clean for ${seconds}s each" >&2
