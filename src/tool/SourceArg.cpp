#include "tool/SourceArg.h"

#include "base/Number.h"
#include "gps/GpsFeed.h"
#include "gps/GpsSourceName.h"
#include "platform/SerialPort.h"

namespace tool {

std::string OpenSourceArg(gps::GpsFeed& feed, std::string_view source, std::int32_t baud) {
    std::string path(source);
    if (!source.empty() && source.find_first_not_of("0123456789") == std::string_view::npos) {
        const auto port = base::ParseExact<std::int32_t>(source);
        path = port ? platform::ComPortDevicePath(*port) : std::string();
        if (path.empty())
            return "Unable to open COM port '" + std::string(source) + "'";
    }
    const gps::GpsSourceNameResult name = gps::ParseGpsSourceName(path);
    if (!name.parts)
        return name.error;
    const gps::GpsOpening opening = feed.Open(path, baud);
    if (opening.ok)
        return {};
    if (name.parts->kind == gps::GpsSourceKind::Serial)
        return "Unable to open COM port '" + std::string(source) + "': " + opening.error;
    return "unable to open GPS source: " + opening.error;
}

} // namespace tool
