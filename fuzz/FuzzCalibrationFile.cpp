// One input is a calibration file. Either it is refused, leaving the calibration exactly as it
// was, or its points and variation are taken; then they write back to a file that reads as the
// same values (bit for bit) and writes the same bytes again, and a fitted transform is finite.
// The same bytes also serve as an image path for the names of the files beside the map, and
// as what a user typed into the Map Settings variation field; a loaded variation, whatever
// its value, is shown in that field and read back.
#include "FuzzCheck.h"
#include "calib/CGPSMapFuncs.h"
#include "calib/CalibrationFile.h"
#include "calib/MapSettings.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using fuzz::Check;

// A calibrated map, so that a refused file has something to leave alone.
calib::CGPSMapFuncs Calibrated() {
    calib::CGPSMapFuncs calibration;
    (void)calibration.AddCalibrationPoint(MapPos(0, 0), MapPos(11.0, 48.0));
    (void)calibration.AddCalibrationPoint(MapPos(1000, 0), MapPos(12.0, 48.0));
    (void)calibration.AddCalibrationPoint(MapPos(0, 800), MapPos(11.0, 49.0));
    calibration.SetMagVar(2.5);
    return calibration;
}

bool SameValues(const calib::CGPSMapFuncs& a, const calib::CGPSMapFuncs& b) {
    const auto& pa = a.GetCalibrationPoints();
    const auto& pb = b.GetCalibrationPoints();
    if (pa.size() != pb.size() || !fuzz::SameBits(a.GetMagVar(), b.GetMagVar()))
        return false;
    for (std::size_t i = 0; i < pa.size(); ++i)
        if (!fuzz::SameBits(pa[i], pb[i]))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::string base = calib::MapBaseName(bytes);
    // Four characters go, never part of one: the name is a prefix ending on a character start.
    Check(bytes.substr(0, base.size()) == base);
    Check(base.size() + std::min<std::size_t>(4, bytes.size()) <= bytes.size());
    Check(base.empty() || (static_cast<unsigned char>(bytes[base.size()]) & 0xC0) != 0x80);
    Check(calib::CalibrationFileName(base).size() == base.size() + 4);

    if (const auto magnitude = calib::ParseMagVarMagnitude(bytes)) {
        Check(*magnitude >= 0.0 && *magnitude <= calib::kMaxMagVarMagnitude);
        Check(calib::ParseMagVarMagnitude(calib::FormatMagVarMagnitude(*magnitude)) == *magnitude);
    }

    const calib::CGPSMapFuncs before = Calibrated();
    calib::CGPSMapFuncs calibration = before;
    if (!calibration.Deserialize(bytes)) {
        Check(calibration == before);
        return 0;
    }
    Check(calibration.GetCalibrationPoints().size() % 2 == 0);
    if (calibration.IsCalibrated()) {
        for (const double p : {calibration.GetA(), calibration.GetB(), calibration.GetC(),
                               calibration.GetD(), calibration.GetE(), calibration.GetF()})
            Check(std::isfinite(p));
    }
    (void)calibration.PixelToGeo(MapPos(10, 20), 800);
    (void)calibration.GeoToPixel(MapPos(11.5, 48.5), 800);

    // The Map Settings dialog opened on this calibration.
    const calib::MagVarEntry shown = calib::SplitMagVar(calibration.GetMagVar());
    const std::string field = calib::FormatMagVarMagnitude(shown.magnitude);
    Check(field.find_first_of("e,") == std::string::npos);
    if (std::isfinite(shown.magnitude) && shown.magnitude <= calib::kMaxMagVarMagnitude)
        Check(calib::ParseMagVarMagnitude(field) == shown.magnitude);
    Check(!calib::FormatCalibrationParams(calibration).empty());

    std::string written;
    calibration.Serialize(written);
    calib::CGPSMapFuncs reread = before;
    Check(reread.Deserialize(written));
    Check(SameValues(reread, calibration));
    std::string again;
    reread.Serialize(again);
    Check(again == written);
    return 0;
}
