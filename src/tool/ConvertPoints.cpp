#include "tool/ConvertPoints.h"

#include "base/FileKind.h"
#include "points/PointsFile.h"
#include "points/PointsGpx.h"
#include "points/PointsKml.h"
#include "tool/ArgParser.h"
#include "xml/GpxWriter.h"

#include <ostream>
#include <string_view>

namespace tool {

int ConvertPointsFile(const std::string& in, const std::string& out, std::ostream& err) {
    const base::FileKind outKind = base::KindOfFile(out);
    const bool toPoints = outKind == base::FileKind::PointsFile;
    const bool toGpx = outKind == base::FileKind::Gpx;
    if (!toPoints && !toGpx && outKind != base::FileKind::Kml) {
        return Fail(err, "convert", out + ": a points file converts to .pts, .kml or .gpx");
    }
    points::MapPointList list;
    // A missing file is an empty list to the map view, but here it is a mistyped argument.
    const platform::LoadResult read = base::KindOfFile(in) == base::FileKind::Gpx
                                          ? points::ReadPointsGpx(in, list)
                                          : points::ReadPointsFile(in, list);
    if (!read) {
        return Fail(err, "convert", read.error);
    }
    std::size_t leftOut = 0;
    const platform::FileResult written = toPoints ? points::WritePointsFile(out, list)
                                         : toGpx  ? points::WritePointsGpx(out, list, &leftOut)
                                                  : points::WritePointsKml(out, list, &leftOut);
    if (!written) {
        return Fail(err, "convert", written.error);
    }
    if (leftOut != 0)
        err << "quilo-tool convert: warning: " << out << ": " << xml::GpxLeftOutText({leftOut, 0})
            << '\n';
    return 0;
}

} // namespace tool
