#!/usr/bin/env python3
# Writes the seed corpora in fuzz/corpus/ from tests/data and hand-made files of each format.
# Run from the repository root. Each target reads its own first byte as noted below.
import os, struct, glob, hashlib
root = 'fuzz/corpus'
def put(target, name, data):
    d = os.path.join(root, target); os.makedirs(d, exist_ok=True)
    open(os.path.join(d, name), 'wb').write(data)

logs = sorted(glob.glob('tests/data/nmea/*.log'))
# nmea_stream: control byte then a slice of a real capture (comment lines dropped)
for i, p in enumerate(logs):
    lines = [l for l in open(p, 'rb').read().split(b'\n') if l.startswith(b'$')]
    body = b'\n'.join(lines[:12]) + b'\n'
    if b'\r' not in body:
        body = body.replace(b'\n', b'\r\n')
    control = bytes([(i * 37) % 256])
    put('fuzz_nmea_stream', os.path.basename(p).replace('.log', ''), control + body[:1500])
put('fuzz_nmea_stream', 'garbage-split', b'\x0b' + b'xx\x00\xff$GPGGA,1\r$GPRMC' + b'A' * 300 + b'\r\n$GPGSA,A,3,,,,,,,,,,,,,1.0,1.0,1.0*00\r\r\n')
put('fuzz_nmea_stream', 'long-rtk', b'\x00' + b'$GPGGA,123519,4807.0380000012,N,01131.0000000034,E,4,08,0.9,545.4,M,46.9,M,1.2,0001*47\r\n')

# fuzz_nmea: single lines
n = 0
for p in logs[::2]:
    for l in open(p, 'rb').read().split(b'\n'):
        l = l.rstrip(b'\r')
        if l[3:6] in (b'GGA', b'RMC', b'GSA') and n < 30:
            put('fuzz_nmea', hashlib.sha1(l).hexdigest()[:12], l); n += 1
            break
# fuzz_nmea: one line of each type the receiver details read, from the captures
for kind in (b'VTG', b'GST', b'ZDA', b'GSV'):
    for p in logs:
        hits = [l.rstrip(b'\r') for l in open(p, 'rb').read().split(b'\n') if l[3:6] == kind]
        if hits:
            put('fuzz_nmea', hashlib.sha1(hits[0]).hexdigest()[:12], hits[0])
            break
for l in (b'$PQGSV,4,4,15,28,08,040,,29,,,,30,21,144,,0,4*63',
          b'$GNGSA,A,3,208,211,213,,,,,,,,,,1.6,1.3,0.9,4*01',
          b'$GPGSV,2,2,06,07,05,097,,13,80,264,,1*64'):
    put('fuzz_nmea', hashlib.sha1(l).hexdigest()[:12], l)
# fuzz_nmea: garbled and impossible numbers under a good checksum, as a hostile file has them
def sentence(body):
    check = 0
    for b in body: check ^= b
    return b'$' + body + b'*%02X' % check
for lat in (b'9' * 30, b'NaN', b'inf', b'1e999', b'0x1p3', b'-4807.038', b'9' * 200, b'48O7.038',
            b' 4807.038', b'8960.0000', b'9000.0001', b'8959.999999999'):
    l = sentence(b'GPRMC,123519,A,' + lat + b',N,01131.000,E,022.4,084.4,230394,003.1,W')
    put('fuzz_nmea', hashlib.sha1(l).hexdigest()[:12], l)
for l in (sentence(b'GPRMC,123519,A,4807.038,N,18000.0001,E,1e2,-0,230394,,'),
          sentence(b'GPGGA,123519,4807.038,N,01131.000,E,1,+8,' + b'9' * 200 + b',1e3,M,,M,,'),
          sentence(b'GPGGA,123519,4807.038,N,01131.000,E,1,08,-0,99999999999999999999,M,,M,,'),
          sentence(b'GPGSV,3,3,09,27,10,076'),
          sentence(b'GPGSV,1,1,02,+5,1e1,0x10,-0,07, 5,NaN,40')):
    put('fuzz_nmea', hashlib.sha1(l).hexdigest()[:12], l)
# nmea_stream: a walk whose middle fix has a garbled latitude under a good checksum
walk = []
for i, lat in enumerate((b'4807.038', b'4807.040', b'9' * 30, b'4807.044')):
    t = b'1235%02d' % (10 + i)
    walk.append(sentence(b'GPGGA,' + t + b',' + lat + b',N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,'))
    walk.append(sentence(b'GPRMC,' + t + b',A,' + lat + b',N,01131.000,E,022.4,084.4,230394,,'))
put('fuzz_nmea_stream', 'garbled-latitude', b'\x21' + b'\r\n'.join(walk) + b'\r\n')

# trail files: control byte (TrailLength + 2), then the file
def rec(lat, lon): return struct.pack('<IIdd', 0x0001F7B8, 0, lat, lon)
def plist(ps, escape=False):
    head = struct.pack('<HI', 0xFFFF, len(ps)) if escape else struct.pack('<H', len(ps))
    return head + b''.join(rec(*p) for p in ps)
track = [(48.1 + i * 0.001, 11.5 + i * 0.001) for i in range(6)]
put('fuzz_trail_file', 'empty', b'\x0c' + plist([]))
put('fuzz_trail_file', 'one-segment', b'\xff' + plist(track))
put('fuzz_trail_file', 'breaks', b'\x05' + plist([track[0], (0, 0), track[1], track[2], (0, 0), (0, 0), track[3]]))
put('fuzz_trail_file', 'escaped-count', b'\x04' + plist(track[:3], escape=True))
put('fuzz_trail_file', 'truncated', b'\x10' + plist(track)[:-5])
put('fuzz_trail_file', 'trailing-bytes', b'\x03' + plist(track[:2]) + b'junk')
put('fuzz_trail_file', 'non-finite', b'\x08' + plist([(float('nan'), 1.0), (float('inf'), -float('inf')), (-33.8688, 151.2093)]))

# calibration files
pairs = [(0, 0), (48.0, 11.0), (0, 1000), (48.0, 12.0), (800, 0), (49.0, 11.0)]
put('fuzz_calibration_file', 'three-pairs', plist(pairs) + struct.pack('<d', 2.5))
put('fuzz_calibration_file', 'one-pair', plist(pairs[:2]) + struct.pack('<d', -3.0))
put('fuzz_calibration_file', 'none', plist([]) + struct.pack('<d', 0.0))
put('fuzz_calibration_file', 'four-pairs', plist(pairs + pairs[:2]) + struct.pack('<d', 1.0))
put('fuzz_calibration_file', 'collinear', plist([(0, 0), (48, 11), (0, 10), (48, 11.1), (0, 20), (48, 11.2)]) + struct.pack('<d', 0.0))
put('fuzz_calibration_file', 'odd-count', plist(pairs[:3]) + struct.pack('<d', 0.0))
put('fuzz_calibration_file', 'escaped', plist(pairs, escape=True) + struct.pack('<d', 7.0))
put('fuzz_calibration_file', 'no-variation', plist(pairs))
put('fuzz_calibration_file', 'path-utf8', 'Karten/M\u00fcnchen-\u00dcbersicht.gif'.encode())

# points files
for v in ('V1', 'V2', 'V3'):
    put('fuzz_points_file', v, open('tests/data/pts/%s.pts' % v, 'rb').read())
def wide(s):
    u = s.encode('utf-16-le'); return b'\xff\xfe\xff' + bytes([len(u) // 2]) + u
def narrow(b): return bytes([len(b)]) + b
def point(first, name, lon, lat, idx, desc, namefn=wide):
    tag = struct.pack('<HHH', 0xFFFF, 1, 9) + b'CMapPoint' if first else struct.pack('<H', 0x8001)
    return tag + namefn(name) + struct.pack('<dd', lon, lat) + struct.pack('<4i', *idx) + namefn(desc)
put('fuzz_points_file', 'narrow-1252', struct.pack('<H', 2) + point(True, b'Caf\xe9', 1.0, 2.0, (1, 2, 3, 4), b'\x80\x9f', narrow) + point(False, b'x', 3.0, 4.0, (0, 0, 0, 0), b'', narrow))
put('fuzz_points_file', 'surrogates', struct.pack('<H', 1) + b'\xff\xff\x01\x00\x09\x00CMapPoint' + b'\xff\xfe\xff\x03' + b'\x00\xd8A\x00\x3d\xd8' + struct.pack('<dd', 0, 0) + struct.pack('<4i', 0, 0, 0, 0) + b'\xff\xfe\xff\x00')
put('fuzz_points_file', 'markup-names', struct.pack('<H', 1) + point(True, 'A&B <Placemark>', 151.2, -33.8, (-1, 9, 99, -7), ']]>"\''))
put('fuzz_points_file', 'absurd-count', struct.pack('<HI', 0xFFFF, 0xFFFFFFFE) + point(True, 'a', 0, 0, (0, 0, 0, 0), ''))

# coordinate entry: control byte (format, carry-over format), then twelve texts
def texts(*t): return '\n'.join(t).encode()
put('fuzz_coord_entry', 'dms', b'\x00' + texts('011', '31', '0.000', '31.0000000', '11.5166666667', 'E', '48', '07', '2.280', '7.0380000', '48.1173000000', 'N'))
put('fuzz_coord_entry', 'dm', b'\x05' + texts('151', '12', '33.480', '12.5580000', '151.2093000000', 'E', '33', '52', '7.680', '52.1280000', '33.8688000000', 'S'))
put('fuzz_coord_entry', 'deg', b'\x0a' + texts('', '', '', '', '0.0014000000', 'W', '', '', '', '', '51.4778000000', 'N'))
put('fuzz_coord_entry', 'edges', b'\x00' + texts('180', '00', '0.000', '', '', 'W', '90', '00', '0.000', '', '', 'S'))
put('fuzz_coord_entry', 'bad', b'\x01' + texts(' 1', '-1', '1e5', '.', '45.5.5', 'X', '12ab', '60', '59.9999', '60.0', '90.1', ''))
put('fuzz_coord_entry', 'doubles', b'\x80' + struct.pack('<dd', -33.8688, 151.2093))
# one typed position: 0x40, 0x41 on ED50
for name, text in [('text-dms', '46\u00b030\'15"N 7\u00b030\'15"E'), ('text-utm', '32T 500000 4982950'),
                   ('text-utm-apart', '56 S 334000 6252000'), ('text-mgrs', '18S UJ 23487 06483'),
                   ('text-svalbard', '33XWH0000000000'), ('text-bad', '32TAR0000082950')]:
    put('fuzz_coord_entry', name, b'\x40' + text.encode())
put('fuzz_coord_entry', 'text-ed50', b'\x41' + b'30T 440000 4474000')
put('fuzz_coord_entry', 'doubles-huge', b'\x81' + struct.pack('<dd', 1e300, -float('inf')))
put('fuzz_calibration_file', 'magvar-negzero', plist([]) + struct.pack('<d', -0.0))
put('fuzz_calibration_file', 'magvar-tiny', plist([]) + struct.pack('<d', 5e-324))
put('fuzz_calibration_file', 'magvar-huge', plist([]) + struct.pack('<d', 1.7976931348623157e308))

# GPX documents: ours, another program's forms, and the hostile ones the reader refuses
gpx_head = b'<?xml version="1.0" encoding="UTF-8"?>\n<gpx version="1.1" creator="QUILO" xmlns="http://www.topografix.com/GPX/1/1">\n'
put('fuzz_gpx', 'track', gpx_head + b'<trk>\n  <name>QUILO Trail</name>\n  <trkseg>\n    <trkpt lat="48.1173" lon="11.5166667"><ele>545.4</ele><time>2024-12-08T12:00:00.123Z</time></trkpt>\n    <trkpt lat="-33.8688" lon="180"/>\n  </trkseg>\n  <trkseg>\n    <trkpt lat="90" lon="-180"><time>2024-12-08T14:00:00+02:00</time></trkpt>\n  </trkseg>\n</trk>\n</gpx>\n')
put('fuzz_gpx', 'waypoints', gpx_head + b'<wpt lat=" +51.4778 " lon="-0.0014"><ele>1e2</ele><name>A &amp; B &#x263A;</name><desc><![CDATA[<x>]]></desc><sym>Circle</sym><extensions><q xmlns="urn:q"><wpt lat="99"/></q></extensions></wpt>\n<rte><rtept lat="1" lon="2"/></rte>\n</gpx>\n')
put('fuzz_gpx', 'gpx10', b'<gpx version="1.0" xmlns="http://www.topografix.com/GPX/1/0"><trk><trkseg><trkpt lat="1" lon="2"><time>0001-01-01T00:00:00</time></trkpt></trkseg></trk></gpx>')
put('fuzz_gpx', 'laughs', b'<!DOCTYPE gpx [<!ENTITY a "aaaa"><!ENTITY b "&a;&a;&a;&a;">]><gpx xmlns="http://www.topografix.com/GPX/1/1"><wpt lat="1" lon="1"><name>&b;</name></wpt></gpx>')
put('fuzz_gpx', 'bad-numbers', gpx_head + b'<wpt lat="90.5" lon="1"/><wpt lat="nan" lon="inf"/><trk><trkseg><trkpt lat="1" lon="1"><ele>1,5</ele></trkpt></trkseg></trk></gpx>')
# journals: header, then records; one clean, one torn, one with a damaged record
import zlib
def jheader():
    h = b'QUILOJRN' + struct.pack('<HH', 1, 56)
    return h + struct.pack('<I', zlib.crc32(h))
def jrec(kind, t, lat=0.0, lon=0.0, h=float('nan'), s=float('nan'), c=float('nan')):
    body = struct.pack('<B3xqddddd', kind, t, lat, lon, h, s, c)
    return struct.pack('<I', zlib.crc32(body)) + body
walk = [jrec(2, 1765195200000)] + [jrec(1, 1765195200000 + 100 * i, 48.1 + i * 1e-5, 11.5, 545.0, 2.5, 90.0) for i in range(8)]
put('fuzz_journal', 'clean', jheader() + b''.join(walk))
put('fuzz_journal', 'torn', jheader() + b''.join(walk)[:-20])
put('fuzz_journal', 'damaged', jheader() + b''.join(walk[:3]) + b'\x00' * 4 + walk[3][4:] + b''.join(walk[4:]))
put('fuzz_journal', 'header-only', jheader())
# OziExplorer .map files: CR LF lines, a Windows path, degree and grid points, a neat line
ozi = (b'OziExplorer Map Data File Version 2.2\r\nSheet\r\nC:\\Maps\\sheet.jpg\r\n1 ,Map Code,\r\n'
       b'European 1950,WGS 84,   0.0000,   0.0000,WGS 84\r\nReserved 1\r\nReserved 2\r\n'
       b'Magnetic Variation,2.5,,W\r\nMap Projection,Transverse Mercator,PolyCal,No,AutoCalOnly,No,BSBUseWPX,No\r\n'
       b'Point01,xy,   10,   20,in, deg,  45, 30.0000,N,   7, 15.0000,E, grid,   ,           ,           ,N\r\n'
       b'Point02,xy,  900,  700,in, deg,    ,        ,N,    ,        ,E, grid, 32,  380000.0,  5030000.0,N\r\n'
       b'Point03,xy,  100,  650,in, deg,  45,  5.5000,N,   7, 20.0000,E, grid,   ,           ,           ,N\r\n'
       b'Point04,xy,     ,     ,in, deg,    ,        ,N,    ,        ,E, grid,   ,           ,           ,N\r\n'
       b'Projection Setup,     0.000000000,     9.000000000,     0.999600000,       500000.00,            0.00,,,,,\r\n'
       b'MMPNUM,4\r\nMMPXY,1,0,0\r\nMMPXY,2,1000,0\r\nMMPLL,1,   7.1,  45.6\r\nMMPLL,2,   7.4,  45.6\r\nIWH,Map Image Width/Height,1000,800\r\n')
put('fuzz_ozi_map', 'tmerc', ozi)
put('fuzz_ozi_map', 'utm-cp1251', ozi.replace(b'Transverse Mercator', b'(UTM) Universal Transverse Mercator').replace(b'Sheet', '\u041a\u0430\u0440\u0442\u0430'.encode('cp1251')))
# a polynomial calibration through six grid points on a gentle bend
put('fuzz_ozi_map', 'polynomial', ozi.replace(b'PolyCal,No', b'PolyCal,Yes').replace(
    b'  380000.0,  5030000.0', b'  389810.0,  5023140.0').replace(
    b'Point04,xy,     ,     ,in, deg,    ,        ,N,    ,        ,E, grid,   ,           ,           ,N\r\n',
    b''.join(b'Point%02d,xy,%5d,%5d,in, deg,    ,        ,N,    ,        ,E, grid, 32,%10.1f,%11.1f,N\r\n'
             % (i + 4, x, y, 380000.0 + 10.2 * x + 0.001 * x * y, 5030000.0 - 9.8 * y)
             for i, (x, y) in enumerate([(500, 40), (30, 400), (960, 380), (480, 760), (950, 30)]))))
put('fuzz_ozi_map', 'absurd', ozi.replace(b'  45, 30.0000', b'  95, 1e308').replace(b'European 1950', b'Unknown'))
# world files, then a NUL and the .prj
put('fuzz_world_file', 'utm', b'10.0\n0.0\n0.0\n-10.0\n500005.0\n5199995.0\n\x00PROJCS["WGS 84 / UTM zone 32N",GEOGCS["WGS 84",DATUM["WGS_1984",SPHEROID["WGS 84",6378137,298.257223563]],PRIMEM["Greenwich",0],UNIT["degree",0.0174532925199433]],PROJECTION["Transverse_Mercator"],PARAMETER["latitude_of_origin",0],PARAMETER["central_meridian",9],PARAMETER["scale_factor",0.9996],PARAMETER["false_easting",500000],PARAMETER["false_northing",0],UNIT["metre",1]]')
put('fuzz_world_file', 'nan', b'nan\r\n0\r\n0\r\n-1\r\n1e400\r\n2\r\n\x00EPSG:32632')
# KML ground overlays (first byte: the image's side / 16)
kml = (b'<?xml version="1.0"?><kml xmlns="http://www.opengis.net/kml/2.2" xmlns:gx="http://www.google.com/kml/ext/2.2"><Document>'
       b'<GroundOverlay><name>a</name><Icon><href>files/a.jpg</href></Icon><LatLonBox><north>46</north><south>45</south><east>8</east><west>7</west><rotation>12.5</rotation></LatLonBox></GroundOverlay>'
       b'<GroundOverlay><Icon><href>../../x</href></Icon><gx:LatLonQuad><coordinates>7,45 8,45.1 8.1,46 7,46</coordinates></gx:LatLonQuad></GroundOverlay>'
       b'</Document></kml>')
put('fuzz_ground_overlay', 'box-and-quad', b'\x10' + kml)
put('fuzz_ground_overlay', 'antimeridian', b'\x04' + kml.replace(b'<east>8</east><west>7</west>', b'<east>-179</east><west>179</west>'))
# A map folder's kept index
head = b'QUILO map folder index 1\nfolder\t/home/ana/maps\n'
put('fuzz_folder_index', 'sheets', head + b'notes.txt\t-\t00000000deadbeef\t0\t0\nsheets/a\\tb.map\tozi-map/png\t0123456789abcdef\t2.5\t4\t46\t7\t46\t7.1\t45.9\t7.1\t45.9\t7\n')
put('fuzz_folder_index', 'escape', head + b'a\\n\\\\b.png\tpng\t1\t0\t0\n')

# GeoTIFFs: small ones written by gdal_translate (gdal-bin) from a generated picture, in the
# layouts and georeferences the reader takes, each under the fuzzer's 8192-byte input limit
import subprocess, tempfile
with tempfile.TemporaryDirectory() as tmp:
    ppm = os.path.join(tmp, 'a.ppm')
    open(ppm, 'wb').write(b'P6\n24 16\n255\n' + bytes((x * 10 + c * 40) % 256 for y in range(16) for x in range(24) for c in range(3)))
    utm = ['-a_srs', 'EPSG:32632', '-a_ullr', '500000', '5600000', '500240', '5599840']
    for name, args in [
            ('strips-utm', utm),
            ('tiles-deflate-point', utm + ['-co', 'TILED=YES', '-co', 'BLOCKXSIZE=16', '-co', 'BLOCKYSIZE=16', '-co', 'COMPRESS=DEFLATE', '-mo', 'AREA_OR_POINT=Point']),
            ('jpeg-geographic', ['-a_srs', 'EPSG:4326', '-a_ullr', '9', '51', '9.3', '50.8', '-co', 'COMPRESS=JPEG']),
            ('lzw-userdefined-grey', ['-b', '1', '-a_srs', '+proj=tmerc +lon_0=9.5 +k=0.9996 +x_0=400000 +ellps=intl', '-a_ullr', '0', '16', '24', '0', '-co', 'COMPRESS=LZW']),
            ('bigtiff-plain', ['-co', 'BIGTIFF=YES'])]:
        out = os.path.join(tmp, name + '.tif')
        subprocess.run(['gdal_translate', '-q'] + args + [ppm, out], check=True)
        put('fuzz_geotiff', name, open(out, 'rb').read())

# MBTiles: metadata lines "name<TAB>value", "--", then tiles "zoom column row" (TMS rows)
put('fuzz_mbtiles', 'gdal-one-zoom', b'name\tm\ntype\toverlay\nversion\t1.1\nformat\tpng\nbounds\t8.983152841195215,50.86814457213897,9.010103677376854,50.87946438542721\nminzoom\t14\nmaxzoom\t14\n--\n14 8600 10889\n14 8601 10889\n14 8602 10889\n14 8600 10890\n14 8601 10890\n14 8602 10890\n')
put('fuzz_mbtiles', 'no-bounds-levels', b'format\tjpg\n--\n12 2150 2722\n13 4300 5445\n14 8601 10890\n')
put('fuzz_mbtiles', 'world', b'format\twebp\nbounds\t-180,-85.0511,180,85.0511\n--\n0 0 0\n1 0 0\n1 1 1\n18 0 0\n18 262143 262143\n')
put('fuzz_mbtiles', 'vector', b'format\tpbf\n--\n0 0 0\n')
put('fuzz_mbtiles', 'hostile', b'bounds\t1e999,nan,-180,91\nminzoom\t-5\n--\n99 -1 4294967296\n-3 7 7\n')

# Hostile files: each attack on a reader stays among its seeds.
endless = b'WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c)'
put('fuzz_mbtiles', 'endless-tiles', b'format\tpng\n--\n10 531 662\n--\nDROP TABLE tiles; CREATE VIEW tiles AS ' + endless + b' SELECT 10 AS zoom_level, 531 AS tile_column, 662 AS tile_row, zeroblob(1) AS tile_data FROM c;')
put('fuzz_mbtiles', 'endless-metadata', b'--\n10 531 662\n--\nDROP TABLE metadata; CREATE VIEW metadata AS ' + endless + b" SELECT 'name' AS name, x AS value FROM c;")
put('fuzz_mbtiles', 'deduplicated', b'format\tpng\n--\n14 8600 10889\n14 8601 10889\n--\nCREATE TABLE map (zoom_level INTEGER, tile_column INTEGER, tile_row INTEGER, tile_id TEXT); CREATE TABLE images (tile_data BLOB, tile_id TEXT); INSERT INTO map SELECT zoom_level, tile_column, tile_row, rowid FROM tiles; INSERT INTO images SELECT tile_data, rowid FROM tiles; DROP TABLE tiles; CREATE VIEW tiles AS SELECT zoom_level, tile_column, tile_row, tile_data FROM map JOIN images ON images.tile_id = map.tile_id;')
put('fuzz_mbtiles', 'far-zooms', b'bounds\t-180,-85.05,180,85.05\n--\n0 0 0\n22 100 100\n')
put('fuzz_mbtiles', 'far-corners', b'--\n18 0 0\n18 262143 262143\n')
put('fuzz_ground_overlay', 'hair-box', b'\x10' + kml.replace(b'<north>46</north><south>45</south><east>8</east><west>7</west><rotation>12.5</rotation>', b'<north>45.0000000001</north><south>45</south><east>7.0000000001</east><west>7</west>'))
put('fuzz_world_file', 'url-grid', b'10.0\n0.0\n0.0\n-10.0\n500005.0\n5199995.0\n\x00PROJCS["WGS 84 / UTM zone 32N",GEOGCS["WGS 84",DATUM["WGS_1984",SPHEROID["WGS 84",6378137,298.257223563]],PRIMEM["Greenwich",0],UNIT["degree",0.0174532925199433]],PROJECTION["Transverse_Mercator"],PARAMETER["latitude_of_origin",0],PARAMETER["central_meridian",9],PARAMETER["scale_factor",0.9996],PARAMETER["false_easting",500000],PARAMETER["false_northing",0],UNIT["metre",1],EXTENSION["PROJ4","+proj=utm +zone=32 +datum=WGS84 +nadgrids=@http://127.0.0.1:9/g.tif +units=m +no_defs"]]')
# the UTM GeoTIFF with its ProjectedCSTypeGeoKey (3072) made 65534, a code no registry has
utm_tif = open(os.path.join(root, 'fuzz_geotiff', 'strips-utm'), 'rb').read()
key = struct.pack('<HHHH', 3072, 0, 1, 32632)
assert key in utm_tif
put('fuzz_geotiff', 'unknown-code', utm_tif.replace(key, struct.pack('<HHHH', 3072, 0, 1, 65534)))

# fuzz_gdal_raster: first byte the extension (pdf jp2 gpkg vrt img rsw kap tif asc dem hgt mtw),
# then a small raster of that kind made by gdal_translate, or a KAP chart written here.
import subprocess, tempfile

def kap_chart(width, height):
    """A BSB 3 chart of width x height, 3-bit palette, four REF points, in its own layout."""
    head = ['! made for the fuzz seeds', 'VER/3.0',
            'BSB/NA=Seed,NU=1,RA=%d,%d,DU=254' % (width, height),
            'KNP/SC=10000,GD=WGS84,PR=MERCATOR,PP=45.0,PI=UNKNOWN,SP=,SK=0.0,TA=90,UN=METRES,SD=,DX=10,DY=10',
            'RGB/1,255,255,255', 'RGB/2,200,40,40', 'RGB/3,40,40,200',
            'REF/1,0,0,46.0,7.0', 'REF/2,%d,0,46.0,7.3' % width,
            'REF/3,%d,%d,45.8,7.3' % (width, height), 'REF/4,0,%d,45.8,7.0' % height,
            'PLY/1,46.0,7.0', 'PLY/2,46.0,7.3', 'PLY/3,45.8,7.3', 'PLY/4,45.8,7.0']
    data = bytearray(('\r\n'.join(head) + '\r\n').encode() + b'\x1a\x00' + bytes([3]))
    offsets = []
    for y in range(height):
        offsets.append(len(data))
        data += bytes([y + 1])  # the row number, one byte under 128
        for x in range(width):
            data.append((1 + (x // 4 + y // 4) % 3) << 4)  # one pixel a run
        data.append(0)
    index = len(data)
    for o in offsets:
        data += struct.pack('>I', o)
    data += struct.pack('>I', index)
    return bytes(data)

with tempfile.TemporaryDirectory() as tmp:
    ppm = os.path.join(tmp, 'a.ppm')
    open(ppm, 'wb').write(b'P6\n8 6\n255\n' + bytes((x * 30 + y * 7) % 256 for y in range(6) for x in range(8) for c in range(3)))
    sheet = ['-a_srs', 'EPSG:32632', '-a_ullr', '355356', '5085739', '355436', '5085679']
    for name, kind, args in [('pdf', 0, ['-of', 'PDF']), ('jp2', 1, ['-of', 'JP2OpenJPEG']),
                             ('gpkg', 2, ['-of', 'GPKG']), ('vrt', 3, ['-of', 'VRT']),
                             ('img', 4, ['-of', 'HFA']), ('rsw', 5, ['-of', 'RMF']),
                             ('tif-band-u16', 7, ['-ot', 'UInt16', '-co', 'INTERLEAVE=BAND']),
                             ('asc', 8, ['-of', 'AAIGrid', '-b', '1']),
                             ('tif-gcp', 7, ['-a_srs', 'EPSG:4326', '-gcp', '0', '0', '7', '46', '-gcp', '8', '0', '7.1', '46', '-gcp', '0', '6', '7', '45.9'])]:
        out = os.path.join(tmp, 'out.' + name.split('-')[0])
        extra = sheet if name != 'tif-gcp' else []
        subprocess.run(['gdal_translate', '-q'] + extra + args + [ppm, out], check=True)
        put('fuzz_gdal_raster', name, bytes([kind]) + open(out, 'rb').read())
put('fuzz_gdal_raster', 'kap', bytes([6]) + kap_chart(48, 32))
put('fuzz_gdal_raster', 'vrt-curl', bytes([3]) + b'<VRTDataset rasterXSize="4" rasterYSize="4"><VRTRasterBand dataType="Byte" band="1"><SimpleSource><SourceFilename>/vsicurl/http://127.0.0.1:9/x.tif</SourceFilename></SimpleSource></VRTRasterBand></VRTDataset>')

# fuzz_tile_codec: a cache tile packed each way (a 256 x 256 gradient with a line across it)
with tempfile.TemporaryDirectory() as tmp:
    rgb = bytes(v for y in range(256) for x in range(256)
                for v in ((0, 0, 0) if x == y else (x, y, (x + y) // 2)))
    ppm = os.path.join(tmp, 't.ppm')
    open(ppm, 'wb').write(b'P6\n256 256\n255\n' + rgb)
    jpeg = subprocess.run(['cjpeg', '-quality', '90', '-sample', '1x1', ppm], check=True,
                          capture_output=True).stdout
    put('fuzz_tile_codec', 'jpeg', jpeg)
    put('fuzz_tile_codec', 'jpeg-cut', jpeg[:len(jpeg) // 2])
    planes = bytearray()
    for c in range(3):
        for y in range(256):
            left = 0
            for x in range(256):
                value = rgb[(y * 256 + x) * 3 + c]
                planes.append((value - left) % 256)
                left = value
    planes_file = os.path.join(tmp, 'planes')
    open(planes_file, 'wb').write(bytes(planes))
    packed = subprocess.run(['zstd', '-1', '--check', '-c', planes_file], check=True,
                            capture_output=True).stdout
    put('fuzz_tile_codec', 'zstd', packed)
