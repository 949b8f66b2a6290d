#pragma once

#include "xml/TrackPoint.h"

// A recording's fixes are GPX's track points: one value from the receiver to the file.
namespace trail {

using xml::Track;
using xml::TrackPoint;
using xml::TrackSegment;

} // namespace trail
