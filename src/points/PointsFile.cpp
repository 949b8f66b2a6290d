#include "points/PointsFile.h"

#include "points/Archive.h"

namespace points {

namespace {

// The smallest point on file: a class reference tag, two empty 8-bit strings, two doubles and
// four integers. Used to refuse a count the bytes left cannot hold before allocating.
constexpr std::size_t kMinimumPointBytes = 2 + 1 + 8 + 8 + 4 * 4 + 1;
constexpr std::uint32_t kMapPointClassIndex = 1; // the first record of the archive

std::string Describe(const char* what, std::size_t offset) {
    return std::string("damaged points file (") + what + " at byte " + std::to_string(offset) + ")";
}

bool ReadPointFields(ArchiveReader& reader, CMapPoint& point) {
    std::string name;
    std::string description;
    double x = 0;
    double y = 0;
    std::int32_t symbol = 0;
    std::int32_t lineColour = 0;
    std::int32_t fillColour = 0;
    std::int32_t size = 0;
    if (!reader.ReadString(name) || !reader.ReadDouble(x) || !reader.ReadDouble(y) ||
        !reader.ReadInt32(symbol) || !reader.ReadInt32(lineColour) ||
        !reader.ReadInt32(fillColour) || !reader.ReadInt32(size) || !reader.ReadString(description))
        return false;
    point = CMapPoint(std::move(name), MapPos(x, y), symbol, lineColour, fillColour, size,
                      std::move(description));
    return true;
}

} // namespace

std::string EncodePoints(const MapPointList& points) {
    ArchiveWriter writer;
    writer.WriteCount(points.size());
    bool classWritten = false;
    for (const CMapPoint& point : points) {
        if (classWritten) {
            writer.WriteClassReference(kMapPointClassIndex);
        } else {
            writer.WriteNewClass(kMapPointSchema, kMapPointClassName);
            classWritten = true;
        }
        writer.WriteString(point.GetName());
        writer.WriteDouble(point.GetPosition().x);
        writer.WriteDouble(point.GetPosition().y);
        writer.WriteInt32(point.GetSymbol());
        writer.WriteInt32(point.GetLineColour());
        writer.WriteInt32(point.GetFillColour());
        writer.WriteInt32(point.GetSize());
        writer.WriteString(point.GetDescription());
    }
    return writer.TakeBytes();
}

platform::LoadResult DecodePoints(std::string_view bytes, MapPointList& points) {
    ArchiveReader reader(bytes);
    const auto damaged = [&](const char* what, std::size_t offset) {
        return platform::LoadResult::Damaged(Describe(what, offset));
    };

    std::uint64_t count = 0;
    if (!reader.ReadCount(count))
        return damaged("count cut short", reader.Offset());
    if (count > reader.Remaining() / kMinimumPointBytes)
        return damaged("count larger than the file", 0);

    MapPointList read;
    read.reserve(static_cast<std::size_t>(count));
    // Archive indices start at 1 and go to classes and objects alike, in order of appearance.
    std::uint32_t nextIndex = 1;
    std::vector<std::uint32_t> mapPointClassIndices;
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::size_t tagOffset = reader.Offset();
        ArchiveTag tag;
        if (!reader.ReadObjectTag(tag))
            return damaged("object tag cut short", tagOffset);
        switch (tag.kind) {
        case ArchiveTag::Kind::NewClass:
            if (tag.className != kMapPointClassName)
                return damaged("class other than CMapPoint", tagOffset);
            if (tag.schema != kMapPointSchema)
                return damaged("schema other than 1", tagOffset);
            mapPointClassIndices.push_back(nextIndex++);
            break;
        case ArchiveTag::Kind::ClassReference: {
            bool known = false;
            for (const std::uint32_t index : mapPointClassIndices)
                known = known || index == tag.index;
            if (!known)
                return damaged("reference to an unknown class", tagOffset);
            break;
        }
        case ArchiveTag::Kind::Null:
            return damaged("null object", tagOffset);
        case ArchiveTag::Kind::ObjectReference:
            return damaged("repeated object", tagOffset);
        }
        ++nextIndex; // the point itself
        CMapPoint point;
        if (!ReadPointFields(reader, point))
            return damaged("point cut short", tagOffset);
        read.push_back(std::move(point));
    }
    // The framework writes nothing after the list. Bytes there mean a count that was damaged
    // downward; taking the points it announces would drop the rest at the next save.
    if (reader.Remaining() != 0)
        return damaged("data after the last point", reader.Offset());
    points = std::move(read);
    return {};
}

platform::LoadResult ReadPointsFile(const std::string& path, MapPointList& points) {
    std::string bytes;
    if (auto read = platform::ReadFileToLoad(path, bytes); !read)
        return read;
    platform::LoadResult result = DecodePoints(bytes, points);
    if (!result)
        result.error = path + ": " + result.error;
    return result;
}

platform::FileResult WritePointsFile(const std::string& path, const MapPointList& points) {
    return platform::WriteFileAtomically(path, EncodePoints(points));
}

} // namespace points
