#pragma once

#include "coords/CoordFormat.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// quilo-tool subcommands register themselves: each lives in its own Cmd*.cpp file of this
// folder, compiled straight into the executable, with one static ToolCommandRegistrar.
namespace tool {

using Args = std::vector<std::string_view>;

struct ToolCommand {
    std::string_view name;
    std::string_view usage; // one line, shown by "quilo-tool --help"
    // args excludes the program and command names. Returns the exit status: 0 on success,
    // 2 after writing one line to err for bad arguments or unreadable input.
    int (*run)(const Args& args, std::ostream& out, std::ostream& err);
};

std::vector<ToolCommand>& Registry();

struct ToolCommandRegistrar {
    explicit ToolCommandRegistrar(ToolCommand command) { Registry().push_back(command); }
};

// Locale-free number text for every subcommand: shortest exact form of a double, and a
// strict parser that accepts the whole argument or nothing.
std::string FormatNumber(double value);
std::optional<double> ParseNumber(std::string_view text);
std::optional<long> ParseInteger(std::string_view text);
// The value of a --format option: "dms", "dm" or "d".
std::optional<coords::CoordFormat> ParseCoordFormat(std::string_view name);

} // namespace tool
