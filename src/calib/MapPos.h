#pragma once

// The position value lives a floor below, so that the GPX and KML documents (xml/) can hold it.
#include "base/MapPos.h"
