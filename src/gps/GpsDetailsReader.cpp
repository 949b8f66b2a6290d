#include "gps/GpsDetailsReader.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "gps/NmeaDecode.h"

namespace gps {

namespace {

constexpr double kKnotMps = 1852.0 / 3600.0;
constexpr double kMaxSpeedKnots = 100'000.0; // as VTG's: beyond any vehicle
constexpr std::int64_t kDayMs = 86'400'000;

bool Within(int value, int low, int high) {
    return value >= low && value <= high;
}

Constellation ByNumber(int prn) {
    if (Within(prn, 1, 32))
        return Constellation::Gps;
    if (Within(prn, 33, 64) || Within(prn, 120, 158))
        return Constellation::Sbas;
    if (Within(prn, 65, 96))
        return Constellation::Glonass;
    if (Within(prn, 193, 202))
        return Constellation::Qzss;
    if (Within(prn, 203, 263) || Within(prn, 401, 437))
        return Constellation::Beidou;
    if (Within(prn, 301, 336))
        return Constellation::Galileo;
    return Constellation::Other;
}

// GPS sentences carry SBAS and QZSS satellites by number.
Constellation GpsOrAugmentation(int prn) {
    const Constellation byNumber = ByNumber(prn);
    return byNumber == Constellation::Sbas || byNumber == Constellation::Qzss ? byNumber
                                                                              : Constellation::Gps;
}

std::optional<Constellation> OfSystemId(int id) {
    switch (id) {
    case 1:
        return Constellation::Gps;
    case 2:
        return Constellation::Glonass;
    case 3:
        return Constellation::Galileo;
    case 4:
        return Constellation::Beidou;
    case 5:
        return Constellation::Qzss;
    case 6:
        return Constellation::Navic;
    default:
        return std::nullopt;
    }
}

// The system id a single-constellation talker stands for; 0 for "GN" and the unknown ones.
int SystemIdOfTalker(std::string_view talker) {
    if (talker == "GP")
        return 1;
    if (talker == "GL")
        return 2;
    if (talker == "GA")
        return 3;
    if (talker == "GB" || talker == "BD")
        return 4;
    if (talker == "GQ" || talker == "QZ")
        return 5;
    if (talker == "GI")
        return 6;
    return 0;
}

// The number of a satellite within its system, whichever numbering the sentence used, so a
// GSA and a GSV that number it differently still name the same satellite.
int Svid(Constellation system, int prn) {
    switch (system) {
    case Constellation::Galileo:
        return prn > 300 ? prn - 300 : prn;
    case Constellation::Beidou:
        return prn > 400 ? prn - 400 : prn > 200 ? prn - 200 : prn;
    case Constellation::Qzss:
        return prn >= 193 ? prn - 192 : prn;
    case Constellation::Sbas:
        return prn >= 120 ? prn - 87 : prn;
    default:
        return prn;
    }
}

} // namespace

Constellation ConstellationOf(std::string_view talker, int prn, std::optional<int> systemId) {
    const int id = systemId ? *systemId : SystemIdOfTalker(talker);
    if (id == 0)
        return ByNumber(prn);
    const auto system = OfSystemId(id);
    if (!system)
        return Constellation::Other;
    return *system == Constellation::Gps ? GpsOrAugmentation(prn) : *system;
}

bool GpsDetailsReader::Add(const DecodedSentence& sentence) {
    const NmeaType type = sentence.Type();
    bool completed = false;
    if (type == NmeaType::Gsv) {
        const std::size_t before = groupsCompleted_;
        OnGsv(std::get<GsvRecord>(sentence.record), sentence.ok);
        completed = groupsCompleted_ != before;
    } else if (type == NmeaType::Gsa) {
        if (sentence.ok)
            OnGsa(sentence.Talker(), std::get<GsaRecord>(sentence.record));
    } else if (const auto* gga = std::get_if<GgaRecord>(&sentence.record)) {
        SetTimeOfDay(gga->timeOfDayMs);
        quality_ = gga->quality;
        const bool fix = sentence.ok && gga->quality.value_or(1) != 0;
        SetFix(fix);
        if (fix) {
            details_.position = MapPos(gga->longitude, gga->latitude);
            details_.altitudeM = gga->altitude;
        }
        if (gga->hdop)
            details_.hdop = gga->hdop;
    } else if (const auto* rmc = std::get_if<RmcRecord>(&sentence.record)) {
        if (rmc->dateMs)
            midnightMs_ = rmc->dateMs;
        SetTimeOfDay(rmc->timeOfDayMs);
        if (rmc->magVar)
            details_.magVar = rmc->magVar;
        rmcMode_ = rmc->mode;
        const bool fix = sentence.ok && rmc->status != 'V' && rmc->mode != 'N';
        SetFix(fix);
        if (fix) {
            details_.position = MapPos(rmc->longitude, rmc->latitude);
            details_.speedMps.reset();
            details_.courseTrue.reset();
            // The handheld's RMC fields have no range; the details take a sane one.
            if (std::isfinite(rmc->speedKnots) && rmc->speedKnots >= 0.0 &&
                rmc->speedKnots <= kMaxSpeedKnots)
                details_.speedMps = rmc->speedKnots * kKnotMps;
            if (std::isfinite(rmc->courseDeg) && rmc->courseDeg >= 0.0 && rmc->courseDeg <= 360.0)
                details_.courseTrue = rmc->courseDeg;
        }
    } else if (const auto* vtg = std::get_if<VtgRecord>(&sentence.record)) {
        if (vtg->mode != 'N' && hasFix_.value_or(true)) {
            details_.courseTrue = vtg->courseTrue;
            details_.speedMps.reset();
            if (vtg->speedKnots)
                details_.speedMps = *vtg->speedKnots * kKnotMps;
            else if (vtg->speedKmh)
                details_.speedMps = *vtg->speedKmh / 3.6;
        }
    } else if (const auto* heading = std::get_if<HeadingRecord>(&sentence.record)) {
        if (heading->headingTrue) {
            details_.headingTrue = heading->headingTrue;
            ++details_.headings;
        }
    } else if (const auto* gst = std::get_if<GstRecord>(&sentence.record)) {
        // The error ellipse's long axis bounds the error in every direction; without it the
        // larger of the latitude and longitude sigmas.
        gstSigma_ = gst->semiMajor;
        if (!gstSigma_ && gst->latitude && gst->longitude)
            gstSigma_ = std::max(*gst->latitude, *gst->longitude);
    } else if (const auto* zda = std::get_if<ZdaRecord>(&sentence.record)) {
        if (zda->utcMs) {
            details_.utcMs = zda->utcMs;
            midnightMs_ = *zda->utcMs - (*zda->utcMs % kDayMs + kDayMs) % kDayMs;
        }
    }
    if (type != NmeaType::Other)
        lastWasGsa_ = type == NmeaType::Gsa;
    Settle();
    return completed;
}

void GpsDetailsReader::SetTimeOfDay(std::optional<std::int64_t> timeOfDayMs) {
    if (!timeOfDayMs || !midnightMs_)
        return;
    std::int64_t utc = *midnightMs_ + *timeOfDayMs;
    // A time that went back by more than half a day crossed midnight before the next date.
    if (details_.utcMs && *details_.utcMs - utc > kDayMs / 2) {
        utc += kDayMs;
        midnightMs_ = *midnightMs_ + kDayMs;
    }
    details_.utcMs = utc;
}

void GpsDetailsReader::SetFix(bool hasFix) {
    hasFix_ = hasFix;
    if (hasFix)
        return;
    details_.position.reset();
    details_.altitudeM.reset();
    details_.speedMps.reset();
    details_.courseTrue.reset();
}

void GpsDetailsReader::OnGsv(const GsvRecord& gsv, bool ok) {
    if (!ok)
        return;
    const GroupKey key{gsv.talker[0], gsv.talker[1], gsv.signal.value_or(-1),
                       gsv.systemId.value_or(-1)};
    Pending& pending = pending_[key];
    // A sentence that does not follow the ones gathered starts the group again; one lost in
    // between only leaves its satellites out.
    if (gsv.number < pending.next || gsv.sentences != pending.sentences)
        pending = Pending{gsv.sentences, 1, {}};
    const std::string_view talker(gsv.talker.data(), gsv.talker.size());
    for (int i = 0; i < gsv.count; ++i) {
        const GsvSatellite& in = gsv.satellites[static_cast<std::size_t>(i)];
        pending.satellites.push_back({ConstellationOf(talker, in.prn, gsv.systemId), in.prn,
                                      in.elevation, in.azimuth, in.snr, gsv.signal, false});
    }
    pending.next = gsv.number + 1;
    if (gsv.number != gsv.sentences)
        return;
    lastGroup_.talker = gsv.talker;
    lastGroup_.signal = gsv.signal;
    lastGroup_.satellites = std::move(pending.satellites);
    for (SkySatellite& satellite : lastGroup_.satellites)
        satellite.used = IsUsed(satellite);
    groups_[key] = lastGroup_.satellites;
    pending = Pending{};
    ++groupsCompleted_;
    skyDirty_ = true;
}

void GpsDetailsReader::OnGsa(std::string_view talker, const GsaRecord& gsa) {
    const int source = gsa.systemId ? *gsa.systemId : SystemIdOfTalker(talker);
    if (source == 0) {
        if (!lastWasGsa_)
            used_.clear();
    } else {
        std::erase_if(used_, [source](const Used& used) { return used.source == source; });
    }
    for (int i = 0; i < gsa.prnCount; ++i) {
        const int prn = gsa.prns[static_cast<std::size_t>(i)];
        const Constellation system = ConstellationOf(talker, prn, gsa.systemId);
        used_.push_back({system, Svid(system, prn), source});
    }
    gsaMode_ = gsa.mode;
    if (gsa.hdop)
        details_.hdop = gsa.hdop;
    details_.pdop = gsa.pdop;
    details_.vdop = gsa.vdop;
    skyDirty_ = true;
}

bool GpsDetailsReader::IsUsed(const SkySatellite& satellite) const {
    const int svid = Svid(satellite.system, satellite.prn);
    return std::any_of(used_.begin(), used_.end(), [&](const Used& used) {
        return used.system == satellite.system && used.svid == svid;
    });
}

void GpsDetailsReader::Settle() {
    FixMode mode = FixMode::Unknown;
    if (hasFix_ == false || (!hasFix_ && gsaMode_ == 1)) {
        mode = FixMode::NoFix;
    } else if (quality_ == 2 || rmcMode_ == 'D') {
        mode = FixMode::Dgps;
    } else if (quality_ == 4 || rmcMode_ == 'R') {
        mode = FixMode::RtkFixed;
    } else if (quality_ == 5 || rmcMode_ == 'F') {
        mode = FixMode::RtkFloat;
    } else if (gsaMode_ == 3 || gsaMode_ == 2) {
        mode = gsaMode_ == 3 ? FixMode::Fix3D : FixMode::Fix2D;
    } else if (hasFix_) {
        // No GSA says which: a receiver that reports an altitude has solved for it.
        mode = details_.altitudeM ? FixMode::Fix3D : FixMode::Fix2D;
    }
    details_.mode = mode;

    details_.accuracyM.reset();
    details_.accuracyEstimated = false;
    if (hasFix_ == false)
        return;
    if (gstSigma_) {
        details_.accuracyM = gstSigma_;
    } else if (details_.hdop) {
        details_.accuracyM = *details_.hdop * kUereM;
        details_.accuracyEstimated = true;
    }
}

const GpsDetails& GpsDetailsReader::Details() const {
    if (skyDirty_) {
        details_.sky.clear();
        for (const auto& [key, satellites] : groups_) {
            for (SkySatellite satellite : satellites) {
                satellite.used = IsUsed(satellite);
                details_.sky.push_back(satellite);
            }
        }
        skyDirty_ = false;
    }
    return details_;
}

std::string_view ConstellationName(Constellation system) {
    switch (system) {
    case Constellation::Gps:
        return "GPS";
    case Constellation::Glonass:
        return "GLONASS";
    case Constellation::Galileo:
        return "Galileo";
    case Constellation::Beidou:
        return "BeiDou";
    case Constellation::Qzss:
        return "QZSS";
    case Constellation::Navic:
        return "NavIC";
    case Constellation::Sbas:
        return "SBAS";
    default:
        return "other";
    }
}

int GpsDetails::SatellitesUsed() const {
    std::vector<std::pair<Constellation, int>> seen;
    for (const SkySatellite& satellite : sky) {
        const std::pair<Constellation, int> id{satellite.system, satellite.prn};
        if (satellite.used && std::find(seen.begin(), seen.end(), id) == seen.end())
            seen.push_back(id);
    }
    return static_cast<int>(seen.size());
}

} // namespace gps
