#include "geo/Datums.h"

#include "base/Text.h"
#include "geo/Proj.h"

#include <array>

namespace map {

namespace {

// The datums printed in the margins of the paper maps users calibrate, by region, each with the
// geographic CRS PROJ shifts it to WGS 84 with.
constexpr std::array kDatums{
    DatumChoice{"WGS84", "World Geodetic System 1984 (WGS 84)", "EPSG:4326"},
    DatumChoice{"WGS72", "World Geodetic System 1972 (WGS 72)", "EPSG:4322"},
    // Europe
    DatumChoice{"ETRS89", "European Terrestrial Reference System 1989 (ETRS89)", "EPSG:4258"},
    DatumChoice{"ED50", "European Datum 1950 (ED50)", "EPSG:4230"},
    DatumChoice{"ED79", "European Datum 1979 (ED79)", "EPSG:4668"},
    DatumChoice{"ED87", "European Datum 1987 (ED87)", "EPSG:4231"},
    DatumChoice{"OSGB36", "Ordnance Survey of Great Britain 1936 (OSGB36)", "EPSG:4277"},
    DatumChoice{"TM65", "Ireland 1965 (TM65)", "EPSG:4299"},
    DatumChoice{"TM75", "Ireland 1975 (TM75)", "EPSG:4300"},
    DatumChoice{"CH1903", "Swiss CH1903 (CH1903)", "EPSG:4149"},
    DatumChoice{"CH1903+", "Swiss CH1903+ (CH1903+)", "EPSG:4150"},
    DatumChoice{"DHDN", "Potsdam Datum, Germany (DHDN)", "EPSG:4314"},
    DatumChoice{"MGI", "Militar-Geographisches Institut, Austria (MGI)", "EPSG:4312"},
    DatumChoice{"Amersfoort", "Amersfoort, Netherlands (Amersfoort)", "EPSG:4289"},
    DatumChoice{"BD72", "Belgian Datum 1972 (BD72)", "EPSG:4313"},
    DatumChoice{"NTF", "Nouvelle Triangulation Francaise (NTF)", "EPSG:4275"},
    DatumChoice{"MonteMario", "Monte Mario, Italy (Monte Mario)", "EPSG:4265"},
    DatumChoice{"Lisbon", "Lisbon, Portugal (Lisbon)", "EPSG:4207"},
    DatumChoice{"Datum73", "Datum 73, Portugal (Datum 73)", "EPSG:4274"},
    DatumChoice{"RT90", "Rikets koordinatsystem 1990, Sweden (RT90)", "EPSG:4124"},
    DatumChoice{"SWEREF99", "SWEREF 99, Sweden (SWEREF99)", "EPSG:4619"},
    DatumChoice{"NGO1948", "Norwegian NGO 1948 (NGO 1948)", "EPSG:4273"},
    DatumChoice{"KKJ", "Kartastokoordinaattijarjestelma, Finland (KKJ)", "EPSG:4123"},
    DatumChoice{"S-JTSK", "Czech and Slovak S-JTSK (S-JTSK)", "EPSG:4156"},
    DatumChoice{"HD72", "Hungarian Datum 1972 (HD72)", "EPSG:4237"},
    DatumChoice{"Pulkovo1942", "Pulkovo 1942, Russia and Eastern Europe (Pulkovo 1942)",
                "EPSG:4284"},
    DatumChoice{"Pulkovo1942(58)", "Pulkovo 1942(58), Eastern Europe (Pulkovo 1942(58))",
                "EPSG:4179"},
    // The Americas
    DatumChoice{"NAD83", "North American Datum 1983 (NAD83)", "EPSG:4269"},
    DatumChoice{"NAD27", "North American Datum 1927 (NAD27)", "EPSG:4267"},
    DatumChoice{"SAD69", "South American Datum 1969 (SAD69)", "EPSG:4618"},
    DatumChoice{"PSAD56", "Provisional South American Datum 1956 (PSAD56)", "EPSG:4248"},
    DatumChoice{"SIRGAS2000", "SIRGAS 2000, Latin America (SIRGAS 2000)", "EPSG:4674"},
    // Asia, Africa, Oceania
    DatumChoice{"Tokyo", "Tokyo Datum, Japan (Tokyo)", "EPSG:4301"},
    DatumChoice{"JGD2000", "Japanese Geodetic Datum 2000 (JGD2000)", "EPSG:4612"},
    DatumChoice{"JGD2011", "Japanese Geodetic Datum 2011 (JGD2011)", "EPSG:6668"},
    DatumChoice{"Beijing1954", "Beijing 1954, China (Beijing 1954)", "EPSG:4214"},
    DatumChoice{"Indian1975", "Indian 1975, Thailand (Indian 1975)", "EPSG:4240"},
    DatumChoice{"Kertau", "Kertau 1968, Malaysia (Kertau)", "EPSG:4245"},
    DatumChoice{"HongKong1980", "Hong Kong 1980", "EPSG:4611"},
    DatumChoice{"Arc1960", "Arc 1960, East Africa (Arc 1960)", "EPSG:4210"},
    DatumChoice{"Cape", "Cape, South Africa (Cape)", "EPSG:4222"},
    DatumChoice{"Hartebeesthoek94", "Hartebeesthoek94, South Africa (Hartebeesthoek94)",
                "EPSG:4148"},
    DatumChoice{"AGD66", "Australian Geodetic Datum 1966 (AGD66)", "EPSG:4202"},
    DatumChoice{"AGD84", "Australian Geodetic Datum 1984 (AGD84)", "EPSG:4203"},
    DatumChoice{"GDA94", "Geocentric Datum of Australia 1994 (GDA94)", "EPSG:4283"},
    DatumChoice{"GDA2020", "Geocentric Datum of Australia 2020 (GDA2020)", "EPSG:7844"},
    DatumChoice{"NZGD49", "New Zealand Geodetic Datum 1949 (NZGD49)", "EPSG:4272"},
    DatumChoice{"NZGD2000", "New Zealand Geodetic Datum 2000 (NZGD2000)", "EPSG:4167"},
};

// Lower case without blanks or a trailing "datum", so "wgs 84", "WGS84" and "Tokyo Datum" meet
// the list's "WGS84" and "Tokyo".
std::string Folded(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == ' ' || c == '\t')
            continue;
        out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    constexpr std::string_view datum = "datum";
    if (out.size() > datum.size() && out.ends_with(datum))
        out.resize(out.size() - datum.size());
    return out;
}

// The key, the whole label, or the label's name before its key or its region: "ED50",
// "European Datum 1950 (ED50)", "European Datum 1950", "Potsdam Datum".
bool Names(const DatumChoice& datum, const std::string& folded) {
    const std::string_view label = datum.label;
    return folded == Folded(datum.key) || folded == Folded(label) ||
           folded == Folded(label.substr(0, label.rfind(" ("))) ||
           folded == Folded(label.substr(0, label.find(", ")));
}

} // namespace

std::span<const DatumChoice> CommonDatums() {
    return kDatums;
}

std::optional<std::string> DatumCrs(std::string_view name, std::string* error) {
    std::string ignored;
    std::string& why = error != nullptr ? *error : ignored;
    const std::string_view text = base::Trim(name, " \t\r\n");
    const std::string folded = Folded(text);
    for (const DatumChoice& datum : kDatums) {
        if (Names(datum, folded))
            return std::string(datum.crs);
    }
    if (text.empty()) {
        why = "no datum given";
        return std::nullopt;
    }
    const std::string shown(text);
    std::string reason;
    const std::optional<CrsKind> kind = KindOfCrs(text, &reason);
    if (kind == CrsKind::Geographic)
        return std::string(text);
    if (kind == CrsKind::Projected)
        why = shown + ": a map grid, not a datum";
    else
        why = shown + ": unknown datum";
    return std::nullopt;
}

} // namespace map
