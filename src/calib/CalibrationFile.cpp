#include "calib/CalibrationFile.h"

#include "base/ChosenMap.h"

#include <cstddef>
#include <string>

namespace calib {

namespace {

// A real calibration file is 154 bytes; anything near this bound is not one.
constexpr std::size_t kMaxCalibrationFileBytes = std::size_t{1} << 20;

bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::string MapBaseName(std::string_view imagePath) {
    if (const base::ChosenMap chosen = base::SplitChosenMap(std::string(imagePath));
        chosen.index > 0)
        return MapBaseName(chosen.file) + "#" + std::to_string(chosen.index);
    std::size_t end = imagePath.size();
    for (int removed = 0; removed < 4; ++removed) {
        if (end == 0)
            return {};
        --end;
        while (end > 0 && IsUtf8Continuation(imagePath[end]))
            --end;
    }
    return std::string(imagePath.substr(0, end));
}

std::string CalibrationFileName(std::string_view mapBaseName) {
    return std::string(mapBaseName) + ".mcd";
}

std::string PointsFileName(std::string_view mapBaseName) {
    return std::string(mapBaseName) + ".pts";
}

platform::LoadResult LoadCalibrationFile(const std::string& path, CGPSMapFuncs& calibration) {
    std::string bytes;
    if (auto read = platform::ReadFileToLoad(path, bytes, kMaxCalibrationFileBytes); !read)
        return read;
    if (!calibration.Deserialize(bytes))
        return platform::LoadResult::Damaged(path + ": damaged or truncated calibration file");
    return {};
}

platform::FileResult SaveCalibrationFile(const std::string& path, const CGPSMapFuncs& calibration) {
    std::string bytes;
    calibration.Serialize(bytes);
    return platform::WriteFileAtomically(path, bytes);
}

} // namespace calib
