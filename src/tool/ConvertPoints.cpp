#include "tool/ConvertPoints.h"

#include <ostream>

namespace tool {

// Placeholder until the points file lands.
int ConvertPointsFile(const std::string& in, const std::string&, std::ostream& err) {
    err << "quilo-tool: " << in << ": points files are not supported yet\n";
    return 2;
}

} // namespace tool
