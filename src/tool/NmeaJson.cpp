#include "tool/NmeaJson.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

#include "base/Time.h"
#include "tool/JsonLine.h"

namespace tool {

namespace {

std::optional<std::string_view> LetterText(const char& letter) {
    if (letter == 0)
        return std::nullopt;
    return std::string_view(&letter, 1);
}

std::optional<double> Finite(double value) {
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

// "12:35:19.250" of milliseconds since midnight.
std::optional<std::string> TimeOfDay(std::optional<std::int64_t> ms) {
    if (!ms)
        return std::nullopt;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d.%03d", static_cast<int>(*ms / 3'600'000),
                  static_cast<int>(*ms / 60'000 % 60), static_cast<int>(*ms / 1000 % 60),
                  static_cast<int>(*ms % 1000));
    return text;
}

// "1994-03-23" of a UTC midnight.
std::optional<std::string> Date(std::optional<std::int64_t> midnightMs) {
    if (!midnightMs || !base::IsFourDigitYear(*midnightMs))
        return std::nullopt;
    const base::UtcFields fields = base::UtcFieldsFromMs(*midnightMs);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", fields.year, fields.month, fields.day);
    return text;
}

void Text(JsonLine& json, std::string_view key, const std::optional<std::string>& text) {
    json.Key(key);
    if (text)
        json.String(*text);
    else
        json.Null();
}

void Fields(JsonLine& json, const gps::GgaRecord& gga, bool ok) {
    Text(json, "time", TimeOfDay(gga.timeOfDayMs));
    json.Field("lat", ok ? std::optional<double>(gga.latitude) : std::nullopt)
        .Field("lon", ok ? std::optional<double>(gga.longitude) : std::nullopt)
        .Field("quality", gga.quality)
        .Field("satellites", gga.satellites)
        .Field("hdop", gga.hdop)
        .Field("alt", gga.altitude);
}

void Fields(JsonLine& json, const gps::RmcRecord& rmc, bool ok) {
    Text(json, "time", TimeOfDay(rmc.timeOfDayMs));
    json.Field("status", LetterText(rmc.status))
        .Field("lat", ok ? std::optional<double>(rmc.latitude) : std::nullopt)
        .Field("lon", ok ? std::optional<double>(rmc.longitude) : std::nullopt)
        .Field("speed_kn", ok ? Finite(rmc.speedKnots) : std::nullopt)
        .Field("course", ok ? Finite(rmc.courseDeg) : std::nullopt);
    Text(json, "date", Date(rmc.dateMs));
    json.Field("magvar", rmc.magVar).Field("mode", LetterText(rmc.mode));
}

void Fields(JsonLine& json, const gps::GsaRecord& gsa, bool) {
    json.Field("mode", gsa.mode).Key("prns").OpenArray();
    for (int i = 0; i < gsa.prnCount; ++i)
        json.Int(gsa.prns[static_cast<std::size_t>(i)]);
    json.Close()
        .Field("pdop", gsa.pdop)
        .Field("hdop", gsa.hdop)
        .Field("vdop", gsa.vdop)
        .Field("system", gsa.systemId);
}

void Fields(JsonLine& json, const gps::VtgRecord& vtg, bool) {
    json.Field("course", vtg.courseTrue)
        .Field("course_mag", vtg.courseMagnetic)
        .Field("speed_kn", vtg.speedKnots)
        .Field("speed_kmh", vtg.speedKmh)
        .Field("mode", LetterText(vtg.mode));
}

void Fields(JsonLine& json, const gps::HeadingRecord& heading, bool) {
    json.Field("heading", heading.headingTrue).Field("mode", LetterText(heading.mode));
}

void Fields(JsonLine& json, const gps::GstRecord& gst, bool) {
    Text(json, "time", TimeOfDay(gst.timeOfDayMs));
    json.Field("rms", gst.rms)
        .Field("major", gst.semiMajor)
        .Field("minor", gst.semiMinor)
        .Field("orient", gst.orientation)
        .Field("lat_err", gst.latitude)
        .Field("lon_err", gst.longitude)
        .Field("alt_err", gst.altitude);
}

void Fields(JsonLine& json, const gps::ZdaRecord& zda, bool) {
    json.Key("time").Time(zda.utcMs);
    json.Field("zone_hours", zda.zoneHours).Field("zone_minutes", zda.zoneMinutes);
}

void Fields(JsonLine& json, const gps::GsvRecord& gsv, bool ok) {
    json.Field("sentences", ok ? std::optional<int>(gsv.sentences) : std::nullopt)
        .Field("number", ok ? std::optional<int>(gsv.number) : std::nullopt)
        .Field("in_view", gsv.inView)
        .Field("signal", gsv.signal)
        .Field("system", gsv.systemId)
        .Key("satellites")
        .OpenArray();
    for (int i = 0; i < gsv.count; ++i) {
        const gps::GsvSatellite& satellite = gsv.satellites[static_cast<std::size_t>(i)];
        json.OpenObject()
            .Field("prn", satellite.prn)
            .Field("el", satellite.elevation)
            .Field("az", satellite.azimuth)
            .Field("snr", satellite.snr)
            .Close();
    }
    json.Close();
}

void Fields(JsonLine&, const std::monostate&, bool) {}

// The signal is the group's: a sky line names it once, the details' sky for each satellite.
void Satellite(JsonLine& json, const gps::SkySatellite& satellite, bool withSignal) {
    json.OpenObject()
        .Field("prn", satellite.prn)
        .Field("el", satellite.elevation)
        .Field("az", satellite.azimuth)
        .Field("snr", satellite.snr)
        .Field("used", satellite.used)
        .Field("system", gps::ConstellationName(satellite.system));
    if (withSignal)
        json.Field("signal", satellite.signal);
    json.Close();
}

std::string_view ModeName(gps::FixMode mode) {
    switch (mode) {
    case gps::FixMode::NoFix:
        return "no fix";
    case gps::FixMode::Fix2D:
        return "2d";
    case gps::FixMode::Fix3D:
        return "3d";
    case gps::FixMode::Dgps:
        return "dgps";
    case gps::FixMode::RtkFloat:
        return "rtk float";
    case gps::FixMode::RtkFixed:
        return "rtk fixed";
    default:
        return "unknown";
    }
}

} // namespace

std::string SentenceJson(std::size_t lineNumber, std::string_view line,
                         const gps::DecodedSentence& sentence) {
    JsonLine json;
    json.Field("type", gps::NmeaSentenceType(line))
        .Field("line", static_cast<std::int64_t>(lineNumber))
        .Field("talker", line.substr(1, 2))
        .Field("ok", sentence.ok);
    std::visit([&](const auto& record) { Fields(json, record, sentence.ok); }, sentence.record);
    return json.Finish();
}

std::string SkyJson(std::size_t lineNumber, std::optional<std::int64_t> utcMs,
                    const gps::SkyGroup& group) {
    JsonLine json;
    json.Field("type", std::string_view("sky"))
        .Field("line", static_cast<std::int64_t>(lineNumber))
        .Key("time")
        .Time(utcMs)
        .Field("talker", std::string_view(group.talker.data(), group.talker.size()))
        .Field("signal", group.signal)
        .Key("satellites")
        .OpenArray();
    for (const gps::SkySatellite& satellite : group.satellites)
        Satellite(json, satellite, false);
    return json.Finish();
}

std::string DetailsJson(const gps::GpsDetails& details) {
    // Each satellite once, whatever number of signals it is heard on.
    std::vector<std::pair<gps::Constellation, int>> inView;
    for (const gps::SkySatellite& satellite : details.sky) {
        const std::pair<gps::Constellation, int> id{satellite.system, satellite.prn};
        if (std::find(inView.begin(), inView.end(), id) == inView.end())
            inView.push_back(id);
    }
    JsonLine json;
    json.Key("time")
        .Time(details.utcMs)
        .Field("mode", ModeName(details.mode))
        .Field("lat", details.position ? std::optional<double>(details.position->y) : std::nullopt)
        .Field("lon", details.position ? std::optional<double>(details.position->x) : std::nullopt)
        .Field("alt", details.altitudeM)
        .Field("speed", details.speedMps)
        .Field("course", details.courseTrue)
        .Field("magvar", details.magVar)
        .Field("hdop", details.hdop)
        .Field("vdop", details.vdop)
        .Field("pdop", details.pdop)
        .Field("accuracy", details.accuracyM)
        .Field("accuracy_estimated", details.accuracyEstimated)
        .Field("used", details.SatellitesUsed())
        .Field("in_view", static_cast<int>(inView.size()))
        .Key("sky")
        .OpenArray();
    // A satellite heard on two signals is listed twice, once with each.
    for (const gps::SkySatellite& satellite : details.sky)
        Satellite(json, satellite, true);
    return json.Finish();
}

} // namespace tool
