#!/usr/bin/env bash
# terrain-screenshot.sh QUILO OUT.png: draws the README's terrain picture with the program at
# QUILO: a made-up scan (GDAL's colour relief and 50 m contours of an SRTM tile of rolling
# hills), a walk across it coloured by elevation, hill shading from the same tile and the
# walk's profile. Needs python3 and GDAL's tools (scripts/deps.sh installs them).
set -euo pipefail
quilo=$(realpath "$1")
out=$(realpath -m "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
mkdir -p dem "config/Morvellan Software Inc."
python3 - <<'EOF'
import math, random, struct, time

def height(lat, lon):
    x, y = (lon - 7.0) * 60, (lat - 46.0) * 60
    return (1400 + 380 * math.sin(x * 0.9) * math.cos(y * 0.7)
            + 220 * math.sin(x * 0.35 + y * 0.5) + 90 * math.cos(x * 2.1 - y * 1.3))

n = 1201  # a 3" tile
with open("dem/N46E007.hgt", "wb") as f:
    for r in range(n):
        lat = 47.0 - r / (n - 1)
        f.write(b"".join(struct.pack(">h", round(height(lat, 7.0 + c / (n - 1))))
                         for c in range(n)))
random.seed(3)
lat, lon, t = 46.508, 7.405, 1765188000
with open("walk.gpx", "w") as f:
    f.write('<?xml version="1.0" encoding="UTF-8"?>\n<gpx version="1.1" creator="terrain-screenshot"'
            ' xmlns="http://www.topografix.com/GPX/1/1">\n<trk><name>Ridge walk</name><trkseg>\n')
    for i in range(900):
        lon += 0.0001 + 0.00004 * math.sin(i / 40)
        lat += 0.00005 * math.sin(i / 70) + 0.00002
        stamp = time.strftime("%Y-%m-%dT%H:%M:%SZ", time.gmtime(t + 6 * i))
        f.write('<trkpt lat="%.6f" lon="%.6f"><ele>%.1f</ele><time>%s</time></trkpt>\n'
                % (lat, lon, height(lat, lon) + random.uniform(-4, 4), stamp))
    f.write("</trkseg></trk>\n</gpx>\n")
EOF
printf '%s\n' "900 214 226 190" "1200 228 232 196" "1450 238 230 200" "1650 232 216 184" \
    "1900 222 204 176" "2300 246 244 238" >ramp.txt
gdaldem color-relief -q dem/N46E007.hgt ramp.txt relief.tif
gdal_translate -q -projwin 7.38 46.57 7.52 46.49 -outsize 2400 0 -r bilinear relief.tif scan.tif
gdal_contour -q -i 50 dem/N46E007.hgt contours.gpkg
gdal_rasterize -q -burn 150 -burn 110 -burn 70 -b 1 -b 2 -b 3 contours.gpkg scan.tif
cat >"config/Morvellan Software Inc./QUILO.ini" <<EOF
[Settings]
DemFolder=$work/dem
Shading=1
ShadingOpacity=75

[Session]
ColourBy=2
Profile=1
ProfileTrack=$work/walk.gpx
EOF
HOME=$work XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache XDG_STATE_HOME=$work/state \
    QT_QPA_PLATFORM=offscreen "$quilo" "$work/scan.tif" "$work/walk.gpx" --at 46.527 7.462 \
    --zoom 50 --size 1200x760 --screenshot "$out"
