#!/usr/bin/env bash
# convert-vs-gpsbabel.sh BUILD_DIR [WORK_DIR]
#
# Times "quilo-tool convert LOG OUT.kml" against "gpsbabel -i nmea -f LOG -o kml -F OUT.kml" on
# the same generated NMEA log (900 000 sentences, about 57 MB) and prints the wall-clock time
# and peak resident memory of each, and the ratio. BUILD_DIR is a build configured with
# -DQUILO_BUILD_BENCH=ON (it needs quilo-tool and generate-nmea-log). RUNS (default 3) sets how
# often each converter runs; the best time and the largest peak memory are reported.
set -euo pipefail

build=${1:?usage: convert-vs-gpsbabel.sh BUILD_DIR [WORK_DIR]}
work=${2:-}
runs=${RUNS:-3}
tool=$build/src/tool/quilo-tool
generator=$build/bench/generate-nmea-log
for program in "$tool" "$generator"; do
    [ -x "$program" ] || { echo "missing $program (build with -DQUILO_BUILD_BENCH=ON)" >&2; exit 2; }
done

install_missing() { # command package
    command -v "$1" >/dev/null && return
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    echo "installing $2" >&2
    "${sudo[@]}" apt-get install -y "$2" >/dev/null
}
install_missing gpsbabel gpsbabel
[ -x /usr/bin/time ] || install_missing /usr/bin/time time

if [ -z "$work" ]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
fi
log=$work/drive.nmea
[ -f "$log" ] || "$generator" "$log" 900000

# measure COMMAND...: prints "SECONDS CPU_SECONDS KIB": the best wall-clock time, the best
# user + system time (less disturbed by other load on the machine) and the largest peak RSS.
measure() {
    local best="" bestCpu="" peak=0 seconds cpu kib
    for ((i = 0; i < runs; i++)); do
        /usr/bin/time -f '%e %U %S %M' -o "$work/time.txt" "$@" >/dev/null 2>"$work/stderr.txt" || {
            echo "failed: $*" >&2
            cat "$work/stderr.txt" >&2
            exit 1
        }
        read -r seconds user system kib < <(tail -n 1 "$work/time.txt")
        cpu=$(awk -v u="$user" -v s="$system" 'BEGIN { printf "%.2f", u + s }')
        if [ -z "$best" ] || awk -v a="$seconds" -v b="$best" 'BEGIN { exit !(a < b) }'; then
            best=$seconds
        fi
        if [ -z "$bestCpu" ] || awk -v a="$cpu" -v b="$bestCpu" 'BEGIN { exit !(a < b) }'; then
            bestCpu=$cpu
        fi
        ((kib > peak)) && peak=$kib
    done
    echo "$best $bestCpu $peak"
}

read -r quilo_s quilo_cpu quilo_kib < <(measure "$tool" convert "$log" "$work/quilo.kml")
read -r babel_s babel_cpu babel_kib < <(measure gpsbabel -i nmea -f "$log" -o kml -F "$work/gpsbabel.kml")

# --huge: one segment of 300 000 points is a text node beyond libxml2's default 10 MB limit.
if command -v xmllint >/dev/null; then
    xmllint --noout --stream --huge "$work/quilo.kml" || { echo "quilo.kml does not parse" >&2; exit 1; }
fi

printf 'input              %s bytes, %s lines\n' "$(stat -c %s "$log")" "$(wc -l <"$log")"
printf '%-19s %10s %10s %14s %s\n' "" "wall" "CPU" "peak RSS" "KML written"
printf '%-19s %8.2f s %8.2f s %10d KiB %s bytes\n' "quilo-tool convert" "$quilo_s" "$quilo_cpu" \
    "$quilo_kib" "$(stat -c %s "$work/quilo.kml")"
printf '%-19s %8.2f s %8.2f s %10d KiB %s bytes\n' "gpsbabel" "$babel_s" "$babel_cpu" \
    "$babel_kib" "$(stat -c %s "$work/gpsbabel.kml")"
awk -v q="$quilo_s" -v b="$babel_s" -v qc="$quilo_cpu" -v bc="$babel_cpu" 'BEGIN {
    # /usr/bin/time counts in hundredths
    if (q <= 0) q = 0.01
    if (qc <= 0) qc = 0.01
    printf "speed-up            %.1fx wall, %.1fx CPU\n", b / q, bc / qc }'
