#include "trail/Journal.h"

#include <cmath>
#include <cstring>

#include "base/Bytes.h"
#include "base/Crc32.h"
#include "trail/JournalReader.h"

namespace trail {

namespace {

bool UnknownOrFinite(double v) {
    return std::isnan(v) || std::isfinite(v);
}

bool Possible(const JournalEntry& e) {
    const TrackPoint& p = e.point;
    return std::isfinite(p.position.y) && std::isfinite(p.position.x) &&
           std::fabs(p.position.y) <= 90.0 && std::fabs(p.position.x) <= 180.0 &&
           UnknownOrFinite(p.heightM) && UnknownOrFinite(p.speedKnots) &&
           UnknownOrFinite(p.courseDeg);
}

} // namespace

bool DecodeJournalRecord(std::string_view record, JournalEntry& entry) {
    base::ByteReader in(record);
    const auto crc = in.U32();
    if (!crc || *crc != base::Crc32(record.substr(4)))
        return false;
    const auto kind = in.U8();
    const auto pad = in.Take(3);
    if (!kind || !pad || *pad != std::string_view("\0\0\0", 3))
        return false;
    if (*kind < static_cast<std::uint8_t>(JournalEntry::Kind::Fix) ||
        *kind > static_cast<std::uint8_t>(JournalEntry::Kind::Loaded))
        return false;
    entry.kind = static_cast<JournalEntry::Kind>(*kind);
    entry.point.utcMs = static_cast<std::int64_t>(in.U64().value_or(0));
    entry.point.position.y = in.F64().value_or(0.0);
    entry.point.position.x = in.F64().value_or(0.0);
    entry.point.heightM = in.F64().value_or(0.0);
    entry.point.speedKnots = in.F64().value_or(0.0);
    entry.point.courseDeg = in.F64().value_or(0.0);
    // A break carries nothing but its time: anything else there is damage.
    if (entry.IsBreak())
        return record == EncodeJournalRecord(entry);
    return Possible(entry);
}

std::string EncodeJournalHeader() {
    std::string out(kJournalMagic);
    base::AppendU16(out, kJournalVersion);
    base::AppendU16(out, static_cast<std::uint16_t>(kJournalRecordSize));
    base::AppendU32(out, base::Crc32(out));
    return out;
}

std::string EncodeJournalRecord(const JournalEntry& entry) {
    TrackPoint p = entry.point;
    if (entry.IsBreak())
        p = TrackPoint{MapPos(), entry.point.utcMs};
    std::string body;
    body.reserve(kJournalRecordSize);
    base::AppendU8(body, static_cast<std::uint8_t>(entry.kind));
    body.append(3, '\0');
    base::AppendU64(body, static_cast<std::uint64_t>(p.utcMs));
    base::AppendF64(body, p.position.y);
    base::AppendF64(body, p.position.x);
    base::AppendF64(body, p.heightM);
    base::AppendF64(body, p.speedKnots);
    base::AppendF64(body, p.courseDeg);
    std::string out;
    out.reserve(kJournalRecordSize);
    base::AppendU32(out, base::Crc32(body));
    out += body;
    return out;
}

JournalContent DecodeJournal(std::string_view bytes) {
    JournalContent content;
    JournalReader reader(bytes);
    if (bytes.size() > kJournalHeaderSize)
        content.entries.reserve((bytes.size() - kJournalHeaderSize) / kJournalRecordSize);
    JournalEntry entry;
    while (reader.Next(entry))
        content.entries.push_back(entry);
    static_cast<JournalSummary&>(content) = reader.Summary();
    return content;
}

bool JournalRunCutter::Take(const JournalEntry& entry, bool& newRun) {
    // Journals written before loaded runs were fenced by breaks of their own hold the trail
    // file's break markers as loaded samples at 0 N 0 E.
    if (entry.IsBreak() ||
        (entry.kind == JournalEntry::Kind::Loaded && entry.point.position == MapPos())) {
        open_ = false;
        return false;
    }
    newRun = !open_;
    open_ = true;
    return true;
}

Track JournalTrack(const std::vector<JournalEntry>& entries) {
    Track track;
    JournalRunCutter cutter;
    bool newRun = false;
    for (const JournalEntry& e : entries) {
        if (!cutter.Take(e, newRun))
            continue;
        if (newRun)
            track.emplace_back();
        track.back().push_back(e.point);
    }
    return track;
}

} // namespace trail
