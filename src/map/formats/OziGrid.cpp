#include "map/formats/OziGrid.h"

#include "base/Number.h"
#include "base/Text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

namespace map {

namespace {

struct OziDatum {
    std::string_view name;
    double a;          // semi-major axis, metres
    double rf;         // inverse flattening
    double dx, dy, dz; // shift to WGS 84, metres
};

// The datum list the format's maker published: the ellipsoid and the Molodensky shift of each.
constexpr std::array kDatums{
    OziDatum{"Adindan", 6378249.145, 293.465, -162, -12, 206},
    OziDatum{"Afgooye", 6378245.0, 298.3, -43, -163, 45},
    OziDatum{"Ain el Abd 1970", 6378388.0, 297.0, -150, -251, -2},
    OziDatum{"Anna 1 Astro 1965", 6378160.0, 298.25, -491, -22, 435},
    OziDatum{"Arc 1950", 6378249.145, 293.465, -143, -90, -294},
    OziDatum{"Arc 1960", 6378249.145, 293.465, -160, -8, -300},
    OziDatum{"Ascension Island 1958", 6378388.0, 297.0, -207, 107, 52},
    OziDatum{"Astro B4 Sorol Atoll", 6378388.0, 297.0, 114, -116, -333},
    OziDatum{"Astro Beacon 1945", 6378388.0, 297.0, 145, 75, -272},
    OziDatum{"Astro DOS 71/4", 6378388.0, 297.0, -320, 550, -494},
    OziDatum{"Astronomic Stn 1952", 6378388.0, 297.0, 124, -234, -25},
    OziDatum{"Australian Geodetic 1966", 6378160.0, 298.25, -133, -48, 148},
    OziDatum{"Australian Geodetic 1984", 6378160.0, 298.25, -134, -48, 149},
    OziDatum{"Australian Geocentric 1994 (GDA94)", 6378137.0, 298.257222101, 0, 0, 0},
    OziDatum{"Austrian", 6377397.155, 299.1528128, 594, 84, 471},
    OziDatum{"Bellevue (IGN)", 6378388.0, 297.0, -127, -769, 472},
    OziDatum{"Bermuda 1957", 6378206.4, 294.9786982, -73, 213, 296},
    OziDatum{"Bogota Observatory", 6378388.0, 297.0, 307, 304, -318},
    OziDatum{"Campo Inchauspe", 6378388.0, 297.0, -148, 136, 90},
    OziDatum{"Canton Astro 1966", 6378388.0, 297.0, 298, -304, -375},
    OziDatum{"Cape", 6378249.145, 293.465, -136, -108, -292},
    OziDatum{"Cape Canaveral", 6378206.4, 294.9786982, -2, 150, 181},
    OziDatum{"Carthage", 6378249.145, 293.465, -263, 6, 431},
    OziDatum{"CH-1903", 6377397.155, 299.1528128, 674, 15, 405},
    OziDatum{"Chatham 1971", 6378388.0, 297.0, 175, -38, 113},
    OziDatum{"Chua Astro", 6378388.0, 297.0, -134, 229, -29},
    OziDatum{"Corrego Alegre", 6378388.0, 297.0, -206, 172, -6},
    OziDatum{"Djakarta (Batavia)", 6377397.155, 299.1528128, -377, 681, -50},
    OziDatum{"DOS 1968", 6378388.0, 297.0, 230, -199, -752},
    OziDatum{"Easter Island 1967", 6378388.0, 297.0, 211, 147, 111},
    OziDatum{"Egypt", 6378388.0, 297.0, -130, -117, -151},
    OziDatum{"European 1950", 6378388.0, 297.0, -87, -98, -121},
    OziDatum{"European 1950 (Mean France)", 6378388.0, 297.0, -87, -96, -120},
    OziDatum{"European 1950 (Spain and Portugal)", 6378388.0, 297.0, -84, -107, -120},
    OziDatum{"European 1979", 6378388.0, 297.0, -86, -98, -119},
    OziDatum{"Finland Hayford", 6378388.0, 297.0, -78, -231, -97},
    OziDatum{"Gandajika Base", 6378388.0, 297.0, -133, -321, 50},
    OziDatum{"Geodetic Datum 1949", 6378388.0, 297.0, 84, -22, 209},
    OziDatum{"GGRS 87", 6378137.0, 298.257222101, -199.87, 74.79, 246.62},
    OziDatum{"Guam 1963", 6378206.4, 294.9786982, -100, -248, 259},
    OziDatum{"GUX 1 Astro", 6378388.0, 297.0, 252, -209, -751},
    OziDatum{"Hartebeeshoek94", 6378137.0, 298.257223563, 0, 0, 0},
    OziDatum{"Hermannskogel", 6377397.155, 299.1528128, 653, -212, 449},
    OziDatum{"Hjorsey 1955", 6378388.0, 297.0, -73, 46, -86},
    OziDatum{"Hong Kong 1963", 6378388.0, 297.0, -156, -271, -189},
    OziDatum{"Hu-Tzu-Shan", 6378388.0, 297.0, -634, -549, -201},
    OziDatum{"Indian Bangladesh", 6377276.345, 300.8017, 289, 734, 257},
    OziDatum{"Indian Thailand", 6377276.345, 300.8017, 214, 836, 303},
    OziDatum{"Israeli", 6378300.789, 293.466, -235, -85, 264},
    OziDatum{"Ireland 1965", 6377340.189, 299.3249646, 506, -122, 611},
    OziDatum{"ISTS 073 Astro 1969", 6378388.0, 297.0, 208, -435, -229},
    OziDatum{"Johnston Island", 6378388.0, 297.0, 191, -77, -204},
    OziDatum{"Kandawala", 6377276.345, 300.8017, -97, 787, 86},
    OziDatum{"Kerguelen Island", 6378388.0, 297.0, 145, -187, 103},
    OziDatum{"Kertau 1948", 6377304.063, 300.8017, -11, 851, 5},
    OziDatum{"L.C. 5 Astro", 6378206.4, 294.9786982, 42, 124, 147},
    OziDatum{"Liberia 1964", 6378249.145, 293.465, -90, 40, 88},
    OziDatum{"Luzon Mindanao", 6378206.4, 294.9786982, -133, -79, -72},
    OziDatum{"Luzon Philippines", 6378206.4, 294.9786982, -133, -77, -51},
    OziDatum{"Mahe 1971", 6378249.145, 293.465, 41, -220, -134},
    OziDatum{"Marco Astro", 6378388.0, 297.0, -289, -124, 60},
    OziDatum{"Massawa", 6377397.155, 299.1528128, 639, 405, 60},
    OziDatum{"Merchich", 6378249.145, 293.465, 31, 146, 47},
    OziDatum{"Midway Astro 1961", 6378388.0, 297.0, 912, -58, 1227},
    OziDatum{"Minna", 6378249.145, 293.465, -92, -93, 122},
    OziDatum{"NAD27 Alaska", 6378206.4, 294.9786982, -5, 135, 172},
    OziDatum{"NAD27 Bahamas", 6378206.4, 294.9786982, -4, 154, 178},
    OziDatum{"NAD27 Canada", 6378206.4, 294.9786982, -10, 158, 187},
    OziDatum{"NAD27 Canal Zone", 6378206.4, 294.9786982, 0, 125, 201},
    OziDatum{"NAD27 Caribbean", 6378206.4, 294.9786982, -7, 152, 178},
    OziDatum{"NAD27 Central", 6378206.4, 294.9786982, 0, 125, 194},
    OziDatum{"NAD27 CONUS", 6378206.4, 294.9786982, -8, 160, 176},
    OziDatum{"NAD27 Cuba", 6378206.4, 294.9786982, -9, 152, 178},
    OziDatum{"NAD27 Greenland", 6378206.4, 294.9786982, 11, 114, 195},
    OziDatum{"NAD27 Mexico", 6378206.4, 294.9786982, -12, 130, 190},
    OziDatum{"NAD27 San Salvador", 6378206.4, 294.9786982, 1, 140, 165},
    OziDatum{"NAD83", 6378137.0, 298.257222101, 0, 0, 0},
    OziDatum{"Nahrwn Masirah Ilnd", 6378249.145, 293.465, -247, -148, 369},
    OziDatum{"Nahrwn Saudi Arbia", 6378249.145, 293.465, -231, -196, 482},
    OziDatum{"Nahrwn United Arab", 6378249.145, 293.465, -249, -156, 381},
    OziDatum{"Naparima BWI", 6378388.0, 297.0, -2, 374, 172},
    OziDatum{"NGO1948", 6377492.0176, 299.1528, 315, -217, 528},
    OziDatum{"NTF France", 6378249.2, 293.466021, -168, -60, 320},
    OziDatum{"Norsk", 6377492.0176, 299.1528, 278, 93, 474},
    OziDatum{"NZGD1949", 6378388.0, 297.0, 84, -22, 209},
    OziDatum{"NZGD2000", 6378137.0, 298.257223563, 0, 0, 0},
    OziDatum{"Observatorio 1966", 6378388.0, 297.0, -425, -169, 81},
    OziDatum{"Old Egyptian", 6378200.0, 298.3, -130, 110, -13},
    OziDatum{"Old Hawaiian", 6378206.4, 294.9786982, 61, -285, -181},
    OziDatum{"Oman", 6378249.145, 293.465, -346, -1, 224},
    OziDatum{"Ord Srvy Grt Britn", 6377563.396, 299.3249646, 375, -111, 431},
    OziDatum{"Pico De Las Nieves", 6378388.0, 297.0, -307, -92, 127},
    OziDatum{"Pitcairn Astro 1967", 6378388.0, 297.0, 185, 165, 42},
    OziDatum{"Potsdam Rauenberg DHDN", 6377397.155, 299.1528128, 606, 23, 413},
    OziDatum{"Prov So Amrican 1956", 6378388.0, 297.0, -288, 175, -376},
    OziDatum{"Prov So Chilean 1963", 6378388.0, 297.0, 16, 196, 93},
    OziDatum{"Puerto Rico", 6378206.4, 294.9786982, 11, 72, -101},
    OziDatum{"Pulkovo 1942 (1)", 6378245.0, 298.3, 28, -130, -95},
    OziDatum{"Pulkovo 1942 (2)", 6378245.0, 298.3, 28, -130, -95},
    OziDatum{"Qatar National", 6378388.0, 297.0, -128, -283, 22},
    OziDatum{"Qornoq", 6378388.0, 297.0, 164, 138, -189},
    OziDatum{"Reunion", 6378388.0, 297.0, 94, -948, -1262},
    OziDatum{"Rijksdriehoeksmeting", 6377397.155, 299.1528128, 593, 26, 478},
    OziDatum{"Rome 1940", 6378388.0, 297.0, -225, -65, 9},
    OziDatum{"RT 90", 6377397.155, 299.1528128, 498, -36, 568},
    OziDatum{"S42", 6378245.0, 298.3, 28, -121, -77},
    OziDatum{"Santo (DOS)", 6378388.0, 297.0, 170, 42, 84},
    OziDatum{"Sao Braz", 6378388.0, 297.0, -203, 141, 53},
    OziDatum{"Sapper Hill 1943", 6378388.0, 297.0, -355, 16, 74},
    OziDatum{"Schwarzeck", 6377483.865, 299.1528128, 616, 97, -251},
    OziDatum{"South American 1969", 6378160.0, 298.25, -57, 1, -41},
    OziDatum{"South Asia", 6378155.0, 298.3, 7, -10, -26},
    OziDatum{"Southeast Base", 6378388.0, 297.0, -499, -249, 314},
    OziDatum{"Southwest Base", 6378388.0, 297.0, -104, 167, -38},
    OziDatum{"Timbalai 1948", 6377276.345, 300.8017, -689, 691, -46},
    OziDatum{"Tokyo", 6377397.155, 299.1528128, -128, 481, 664},
    OziDatum{"Tristan Astro 1968", 6378388.0, 297.0, -632, 438, -609},
    OziDatum{"Viti Levu 1916", 6378249.145, 293.465, 51, 391, -36},
    OziDatum{"Wake-Eniwetok 1960", 6378270.0, 297.0, 101, 52, -39},
    OziDatum{"WGS 72", 6378135.0, 298.26, 0, 0, 5},
    OziDatum{"WGS 84", 6378137.0, 298.257223563, 0, 0, 0},
    OziDatum{"Yacare", 6378388.0, 297.0, -155, 171, 37},
    OziDatum{"Zanderij", 6378388.0, 297.0, -265, 120, -358},
};

// A grid whose projection is fixed; it is computed on the file's datum, as the format does.
struct NationalGrid {
    std::string_view name;
    std::string_view projection;
};

constexpr std::array kNationalGrids{
    NationalGrid{"(BNG) British National Grid",
                 "+proj=tmerc +lat_0=49 +lon_0=-2 +k=0.9996012717 +x_0=400000 +y_0=-100000"},
    NationalGrid{"(IG) Irish Grid",
                 "+proj=tmerc +lat_0=53.5 +lon_0=-8 +k=1.000035 +x_0=200000 +y_0=250000"},
    NationalGrid{"(ITM) Irish Transverse Mercator",
                 "+proj=tmerc +lat_0=53.5 +lon_0=-8 +k=0.99982 +x_0=600000 +y_0=750000"},
    NationalGrid{"(SUI) Swiss Grid", "+proj=somerc +lat_0=46.9524055555556 "
                                     "+lon_0=7.43958333333333 +k_0=1 +x_0=600000 +y_0=200000"},
    NationalGrid{"(SG) Swedish Grid",
                 "+proj=tmerc +lat_0=0 +lon_0=15.8082777777778 +k=1 +x_0=1500000 +y_0=0"},
    NationalGrid{"(NZTM2) New Zealand TM 2000",
                 "+proj=tmerc +lat_0=0 +lon_0=173 +k=0.9996 +x_0=1600000 +y_0=10000000"},
    NationalGrid{"(NZG) New Zealand Grid",
                 "+proj=nzmg +lat_0=-41 +lon_0=173 +x_0=2510000 +y_0=6023150"},
    // The French zones count their longitudes from Paris.
    NationalGrid{"(I) France Zone I", "+proj=lcc +lat_1=49.5 +lat_0=49.5 +lon_0=0 "
                                      "+k_0=0.999877341 +x_0=600000 +y_0=200000 +pm=paris"},
    NationalGrid{"(II) France Zone II", "+proj=lcc +lat_1=46.8 +lat_0=46.8 +lon_0=0 "
                                        "+k_0=0.99987742 +x_0=600000 +y_0=200000 +pm=paris"},
    NationalGrid{"(III) France Zone III", "+proj=lcc +lat_1=44.1 +lat_0=44.1 +lon_0=0 "
                                          "+k_0=0.999877499 +x_0=600000 +y_0=200000 +pm=paris"},
    NationalGrid{"(IV) France Zone IV", "+proj=lcc +lat_1=42.165 +lat_0=42.165 +lon_0=0 "
                                        "+k_0=0.99994471 +x_0=234.358 +y_0=185861.369 +pm=paris"},
};

bool SameName(std::string_view a, std::string_view b) {
    a = base::Trim(a, " \t");
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

std::string Number(double value) {
    return base::FormatShortest(value);
}

// " +NAME=VALUE" for a value the setup line gives, else for the fallback.
std::string Parameter(std::string_view name, const std::optional<double>& value, double fallback) {
    return " +" + std::string(name) + '=' + Number(value.value_or(fallback));
}

// The UTM zone and hemisphere: the first grid point's, else those of the points' mean position.
std::string UtmProjection(const OziMapFile& file) {
    for (const OziPoint& point : file.points)
        if (point.grid && point.grid->zone >= 1 && point.grid->zone <= 60)
            return "+proj=utm +zone=" + std::to_string(point.grid->zone) +
                   (point.grid->south ? " +south" : "");
    double lon = 0;
    double lat = 0;
    int count = 0;
    for (const OziPoint& point : file.points)
        if (point.geo) {
            lon += point.geo->x;
            lat += point.geo->y;
            ++count;
        }
    if (count == 0)
        return {};
    lon /= count;
    lat /= count;
    const int zone = std::clamp(static_cast<int>(std::floor((lon + 180.0) / 6.0)) + 1, 1, 60);
    return "+proj=utm +zone=" + std::to_string(zone) + (lat < 0 ? " +south" : "");
}

// The projection part of the grid's definition; empty for one not read.
std::string Projection(const OziMapFile& file) {
    const OziProjectionSetup& s = file.setup;
    const std::string_view name = file.projection;
    if (SameName(name, "Mercator"))
        return "+proj=merc" + Parameter("lon_0", s.centralMeridian, 0) +
               Parameter("k", s.scaleFactor, 1) + Parameter("x_0", s.falseEasting, 0) +
               Parameter("y_0", s.falseNorthing, 0);
    if (SameName(name, "Transverse Mercator"))
        return "+proj=tmerc" + Parameter("lat_0", s.latitudeOrigin, 0) +
               Parameter("lon_0", s.centralMeridian, 0) + Parameter("k", s.scaleFactor, 1) +
               Parameter("x_0", s.falseEasting, 0) + Parameter("y_0", s.falseNorthing, 0);
    if (SameName(name, "(UTM) Universal Transverse Mercator"))
        return UtmProjection(file);
    if (SameName(name, "Lambert Conformal Conic")) {
        const double first = s.standardParallel1.value_or(s.latitudeOrigin.value_or(0));
        return "+proj=lcc" + Parameter("lat_0", s.latitudeOrigin, first) +
               Parameter("lon_0", s.centralMeridian, 0) + " +lat_1=" + Number(first) +
               Parameter("lat_2", s.standardParallel2, first) +
               Parameter("x_0", s.falseEasting, 0) + Parameter("y_0", s.falseNorthing, 0);
    }
    for (const NationalGrid& grid : kNationalGrids)
        if (SameName(name, grid.name))
            return std::string(grid.projection);
    return {};
}

const OziDatum* FindDatum(std::string_view name) {
    const auto* row =
        std::ranges::find_if(kDatums, [name](const OziDatum& d) { return SameName(name, d.name); });
    return row == kDatums.end() ? nullptr : &*row;
}

std::string DatumParameters(const OziDatum& datum) {
    return " +a=" + Number(datum.a) + " +rf=" + Number(datum.rf) + " +towgs84=" + Number(datum.dx) +
           ',' + Number(datum.dy) + ',' + Number(datum.dz);
}

} // namespace

std::optional<std::string> OziDatumCrs(std::string_view name, std::string* error) {
    const OziDatum* datum = FindDatum(name);
    if (datum == nullptr) {
        *error = "Datum " + std::string(base::Trim(name, " \t")) + ": unknown datum";
        return std::nullopt;
    }
    return "+proj=longlat" + DatumParameters(*datum) + " +no_defs +type=crs";
}

std::optional<std::string> OziGridCrs(const OziMapFile& file, std::string* error) {
    const std::optional<std::string> geographic = OziDatumCrs(file.datum, error);
    if (!geographic)
        return std::nullopt;
    if (SameName(file.projection, "Latitude/Longitude"))
        return geographic;
    const std::string projection = Projection(file);
    if (projection.empty()) {
        *error = "Projection " + file.projection + ": not a projection QUILO reads";
        return std::nullopt;
    }
    return projection + DatumParameters(*FindDatum(file.datum)) + " +units=m +no_defs +type=crs";
}

} // namespace map
