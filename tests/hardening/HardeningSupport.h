#pragma once

#include "support/TestFiles.h"

using testsupport::ReadBytes;
using testsupport::TempDir;
using testsupport::WriteBytes;
