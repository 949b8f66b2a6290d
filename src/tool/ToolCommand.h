#pragma once

#include "coords/CoordFormat.h"
#include "tool/ArgParser.h"

#include <iosfwd>
#include <optional>
#include <string_view>
#include <vector>

// quilo-tool subcommands register themselves: each lives in its own Cmd*.cpp file of this
// folder, compiled straight into the executable, with one static ToolCommandRegistrar.
namespace tool {

struct ToolCommand {
    CommandSyntax syntax;
    // Runs with arguments that passed ParseArgs. Returns the exit status: 0 on success, 2 after
    // one line on err (through Fail) for bad values or unreadable input.
    int (*run)(const ParsedArgs& args, std::ostream& out, std::ostream& err);
};

std::vector<ToolCommand>& Registry();

struct ToolCommandRegistrar {
    explicit ToolCommandRegistrar(ToolCommand command) { Registry().push_back(std::move(command)); }
};

// The value of a --format option: "dms", "dm" or "d".
std::optional<coords::CoordFormat> ParseCoordFormat(std::string_view name);

} // namespace tool
