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

// True when xmllint finds the file valid against the XML schema at schemaPath.
inline bool XmllintValidates(const std::string& path, const std::string& schemaPath) {
    const std::string command =
        "xmllint --noout --schema '" + schemaPath + "' '" + path + "' >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

// The GPX 1.1 schema kept with the test data.
inline std::string GpxSchemaPath() {
    return std::string(QUILO_TEST_DATA) + "/gpx/gpx.xsd";
}

} // namespace testsupport
