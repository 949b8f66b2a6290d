#pragma once

// xmllint as an independent XML parser for written documents; tests skip when it is missing.

#include <cstdlib>
#include <string>

namespace testsupport {

inline bool HaveXmllint() {
    return std::system("command -v xmllint >/dev/null 2>&1") == 0;
}

// True when xmllint parses the file as well-formed XML.
inline bool XmllintAccepts(const std::string& path) {
    const std::string command = "xmllint --noout '" + path + "' 2>/dev/null";
    return std::system(command.c_str()) == 0;
}

} // namespace testsupport
