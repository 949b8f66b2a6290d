#include "map/tiles/TileSource.h"
#include "map/tiles/SaveArea.h"
#include "map/tiles/WmtsCapabilities.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using map::TileSourceDef;

TEST(TileSourceTest, DefinitionsAreReadOrRefusedWithAReason) {
    struct Row {
        const char* legend;
        const char* text;
        const char* error; // a part of the refusal; nullptr: read
    };
    const Row rows[] = {
        {"plain xyz", "url = https://t.example/{z}/{x}/{y}.png\nzoom = 2-18\n", nullptr},
        {"comments, blanks, subdomains",
         "# mine\n\nname = Mine\nurl = http://{s}.t.example/{z}/{x}/{-y}.jpg\nsubdomains = a, b\n",
         nullptr},
        {"quadkey", "url = https://t.example/q/{quadkey}.png\n", nullptr},
        {"wms with its layer", "type = wms\nurl = http://w.example/wms?\nlayer = roads\n", nullptr},
        {"a file: url", "url = file:///etc/{z}/{x}/{y}.png\n", "only http and https"},
        {"no url", "name = Nothing\n", "no url"},
        {"a placeholder in the host", "url = https://{z}.t.example/{x}/{y}.png\n", "only {s}"},
        {"credentials", "url = https://me:pw@t.example/{z}/{x}/{y}.png\n", "user name"},
        {"{s} without subdomains", "url = https://{s}.t.example/{z}/{x}/{y}.png\n", "subdomains"},
        {"unknown placeholder", "url = https://t.example/{z}/{x}/{y}/{apikey}.png\n", "{apikey}"},
        {"no {y}", "url = https://t.example/{z}/{x}.png\n", "needs {z}"},
        {"absurd zooms", "url = https://t.example/{z}/{x}/{y}.png\nzoom = 0-40\n", "line 2: zoom"},
        {"zooms reversed", "url = https://t.example/{z}/{x}/{y}.png\nzoom = 9-3\n", "zoom"},
        {"tile size", "url = https://t.example/{z}/{x}/{y}.png\ntile-size = 512\n", "256"},
        {"unknown key", "url = https://t.example/{z}/{x}/{y}.png\ncolour = red\n", "unknown key"},
        {"a key twice", "url = https://t.example/{z}/{x}/{y}.png\nurl = https://t.example/\n",
         "twice"},
        {"wms without a layer", "type = wms\nurl = http://w.example/wms\n", "layer"},
        {"a blank in the url", "url = https://t.example/{z} /{x}/{y}.png\n", "blank"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        const map::TileSourceResult read = map::ParseTileSource(row.text, "mine");
        if (row.error == nullptr) {
            EXPECT_TRUE(read.source.has_value()) << read.error;
        } else {
            EXPECT_FALSE(read.source.has_value());
            EXPECT_NE(read.error.find(row.error), std::string::npos) << read.error;
        }
    }
}

TEST(TileSourceTest, TileAddresses) {
    struct Row {
        const char* definition;
        int zoom, column, row;
        const char* url;
    };
    const Row rows[] = {
        {"url = http://h/{z}/{x}/{y}.png", 3, 2, 1, "http://h/3/2/1.png"},
        {"type = tms\nurl = http://h/{z}/{x}/{y}.png", 3, 2, 1, "http://h/3/2/6.png"},
        {"url = http://h/{z}/{x}/{-y}.png", 3, 2, 1, "http://h/3/2/6.png"},
        {"url = http://h/{quadkey}", 3, 3, 5, "http://h/213"},
        {"url = http://{s}.h/{z}/{x}/{y}\nsubdomains = a,b,c", 5, 1, 1, "http://c.h/5/1/1"},
        {"type = wms\nurl = http://h/wms\nlayer = l", 1, 1, 0,
         "http://h/wms?SERVICE=WMS&VERSION=1.3.0&REQUEST=GetMap&LAYERS=l&STYLES=&CRS=EPSG:3857&"
         "BBOX=0,0,20037508.342789244,20037508.342789244&WIDTH=256&HEIGHT=256&FORMAT=image/png"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.definition);
        const auto read = map::ParseTileSource(row.definition, "t");
        ASSERT_TRUE(read.source) << read.error;
        EXPECT_EQ(map::TileUrl(*read.source, row.zoom, row.column, row.row), row.url);
    }
}

TEST(TileSourceTest, SavingFollowsTheTerms) {
    struct Row {
        const char* terms;
        long long count;
        int maxZoom;
        const char* refusal; // nullptr: allowed
    };
    const Row rows[] = {
        {"bulk = forbidden\npolicy = No scraping.", 1, 0, "(its terms: No scraping.)"},
        {"bulk = allowed", 1'000'000, 22, nullptr},
        {"bulk-max-tiles = 100", 101, 3, "at most 100 tiles"},
        {"bulk-max-tiles = 100", 100, 3, nullptr},
        {"bulk-max-zoom = 12", 1, 13, "up to zoom 12"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.terms);
        const auto read =
            map::ParseTileSource(std::string("url = http://h/{z}/{x}/{y}\n") + row.terms, "t");
        ASSERT_TRUE(read.source) << read.error;
        const std::string refusal = map::BulkRefusal(*read.source, row.count, row.maxZoom);
        if (row.refusal == nullptr)
            EXPECT_EQ(refusal, "");
        else
            EXPECT_NE(refusal.find(row.refusal), std::string::npos) << refusal;
    }
}

// A capabilities document with one layer and one tile matrix set of zooms 0 to 2.
std::string Capabilities(const std::string& crs, const std::string& resource,
                         const std::string& kvp, double scale0 = 559082264.0287178) {
    std::string matrices;
    for (int z = 0; z <= 2; ++z)
        matrices += "<TileMatrix><ows:Identifier>m" + std::to_string(z) +
                    "</ows:Identifier><ScaleDenominator>" + std::to_string(scale0 / (1 << z)) +
                    "</ScaleDenominator><TopLeftCorner>-20037508.3427892 "
                    "20037508.3427892</TopLeftCorner><TileWidth>256</TileWidth><TileHeight>256"
                    "</TileHeight><MatrixWidth>1</MatrixWidth><MatrixHeight>1</MatrixHeight>"
                    "</TileMatrix>";
    return "<Capabilities xmlns='http://www.opengis.net/wmts/1.0' "
           "xmlns:ows='http://www.opengis.net/ows/1.1' xmlns:xlink='http://www.w3.org/1999/xlink'>"
           "<ows:OperationsMetadata><ows:Operation name='GetTile'><ows:DCP><ows:HTTP><ows:Get "
           "xlink:href='" +
           kvp +
           "'><ows:Constraint name='GetEncoding'><ows:AllowedValues>"
           "<ows:Value>KVP</ows:Value></ows:AllowedValues></ows:Constraint></ows:Get></ows:HTTP>"
           "</ows:DCP></ows:Operation></ows:OperationsMetadata><Contents><Layer>"
           "<ows:Identifier>roads</ows:Identifier><Style isDefault='true'><ows:Identifier>plain"
           "</ows:Identifier></Style><Format>image/png</Format><TileMatrixSetLink><TileMatrixSet>"
           "gm</TileMatrixSet></TileMatrixSetLink>" +
           resource +
           "</Layer><TileMatrixSet>"
           "<ows:Identifier>gm</ows:Identifier><ows:SupportedCRS>" +
           crs + "</ows:SupportedCRS>" + matrices + "</TileMatrixSet></Contents></Capabilities>";
}

TEST(TileSourceTest, WmtsCapabilitiesGiveTheTemplate) {
    const std::string rest = "<ResourceURL format='image/png' resourceType='tile' "
                             "template='http://w.example/r/{TileMatrixSet}/{Style}/{TileMatrix}/"
                             "{TileCol}/{TileRow}.png'/>";
    std::string deep;
    for (int i = 0; i < 100; ++i)
        deep += "<a>";
    struct Row {
        const char* legend;
        std::string document;
        const char* url;   // of tile (2, 1, 3), or nullptr
        const char* error; // a part of the refusal
    };
    const Row rows[] = {
        {"REST", Capabilities("urn:ogc:def:crs:EPSG::3857", rest, "http://w.example/k?"),
         "http://w.example/r/gm/plain/m2/1/3.png", nullptr},
        {"KVP", Capabilities("EPSG:3857", "", "http://w.example/k?"),
         "http://w.example/k?SERVICE=WMTS&REQUEST=GetTile&VERSION=1.0.0&LAYER=roads&STYLE=plain&"
         "TILEMATRIXSET=gm&TILEMATRIX=m2&TILEROW=3&TILECOL=1&FORMAT=image/png",
         nullptr},
        {"not Web Mercator", Capabilities("EPSG:4326", rest, "http://w.example/k?"), nullptr,
         "no Web Mercator"},
        {"scales of another grid", Capabilities("EPSG:3857", rest, "", 500000000.0), nullptr,
         "no Web Mercator"},
        {"tiles from another host", Capabilities("EPSG:3857", "", "http://elsewhere.example/k?"),
         nullptr, "another host"},
        {"a file: template",
         Capabilities("EPSG:3857",
                      "<ResourceURL format='image/png' resourceType='tile' "
                      "template='file:///{TileMatrix}/{TileCol}/{TileRow}'/>",
                      ""),
         nullptr, "only http and https"},
        {"an entity", "<!DOCTYPE c [<!ENTITY a 'aaaa'>]><Capabilities>&a;</Capabilities>", nullptr,
         "cannot be read"},
        {"nested without end", deep, nullptr, "cannot be read"},
    };
    auto read = map::ParseTileSource(
        "type = wmts\nurl = http://w.example/caps.xml\nlayer = roads\nzoom = 0-5", "w");
    ASSERT_TRUE(read.source) << read.error;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        const map::WmtsResult resolved = map::ApplyWmtsCapabilities(*read.source, row.document);
        if (row.url != nullptr) {
            ASSERT_TRUE(resolved.source) << resolved.error;
            EXPECT_EQ(resolved.source->maxZoom, 2);
            EXPECT_EQ(map::TileUrl(*resolved.source, 2, 1, 3), row.url);
        } else {
            EXPECT_FALSE(resolved.source);
            EXPECT_NE(resolved.error.find(row.error), std::string::npos) << resolved.error;
        }
    }
}

} // namespace

namespace {

TEST(TileSourceTest, AreasAreTheTilesOfTheirBoxOrCorridor) {
    struct Row {
        const char* legend;
        map::TileArea area;
        long long tiles; // -1: refused
    };
    const auto box = [](double s, double w, double n, double e, int z0, int z1) {
        map::TileArea area;
        area.south = s, area.west = w, area.north = n, area.east = e;
        area.minZoom = z0, area.maxZoom = z1;
        return area;
    };
    // A line 0.1 degrees east along the equator, and a corridor 1 km either side of it.
    map::TileArea corridor = box(0, 0, 0, 0, 12, 12);
    corridor.along = {{MapPos(0.0, 0.0), MapPos(0.1, 0.0)}};
    corridor.km = 1.0;
    const Row rows[] = {
        {"the world at zooms 0-2", box(-85, -180, 85, 180, 0, 2), 1 + 4 + 16},
        {"a quarter of the world at zoom 1", box(1, 1, 80, 179, 1, 1), 1},
        // Zoom 12 tiles are 0.0879 degrees wide: 1 km (0.009 degrees) either side of the line
        // spans columns 2047-2049 and the rows 2047-2048 either side of the equator.
        {"a corridor", corridor, 3 * 2},
        {"a box reversed", box(10, 0, 5, 1, 3, 3), -1},
        {"zooms reversed", box(0, 0, 1, 1, 5, 3), -1},
        {"far too many tiles", box(-80, -180, 80, 180, 0, 14), -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        const map::AreaTiles listed = map::ListAreaTiles(row.area);
        if (row.tiles < 0)
            EXPECT_FALSE(listed.error.empty());
        else
            EXPECT_EQ(static_cast<long long>(listed.tiles.size()), row.tiles) << listed.error;
    }
}

} // namespace
