// A map folder's kept index: refused with a reason, or files in order whose paths stay inside the
// folder, with outlines on the earth, that are written back to the same bytes' meaning.
#include "FuzzCheck.h"
#include "map/MapFolder.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzz::Check;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string error;
    const auto index = map::ParseFolderIndex(input, &error);
    if (!index) {
        Check(error.starts_with("line "));
        return 0;
    }
    Check(index->files.size() <= map::kMaxFolderFiles && index->folder.starts_with('/'));
    for (std::size_t i = 0; i < index->files.size(); ++i) {
        const map::FolderMap& file = index->files[i];
        Check(!file.path.starts_with('/') &&
              ("/" + file.path + "/").find("/../") == std::string::npos);
        Check(i == 0 || index->files[i - 1].path < file.path);
        Check(file.outline.size() <= map::kMaxOutlinePoints);
        for (const MapPos& corner : file.outline)
            Check(corner.y >= -90 && corner.y <= 90 && corner.x >= -540 && corner.x <= 540);
    }
    std::string again;
    Check(map::ParseFolderIndex(map::FormatFolderIndex(*index), &again) == index);
    return 0;
}
