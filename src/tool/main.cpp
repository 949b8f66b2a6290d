// quilo-tool: command-line access to the core (decoding, formats, files, the GPS link).
#include "tool/ToolCommand.h"

#include <algorithm>
#include <iostream>

namespace tool {

std::vector<ToolCommand>& Registry() {
    static std::vector<ToolCommand> commands;
    return commands;
}

std::optional<coords::CoordFormat> ParseCoordFormat(std::string_view name) {
    if (name == "dms")
        return coords::CoordFormat::Dms;
    if (name == "dm")
        return coords::CoordFormat::Dm;
    if (name == "d")
        return coords::CoordFormat::Deg;
    if (name == "utm")
        return coords::CoordFormat::Utm;
    if (name == "mgrs")
        return coords::CoordFormat::Mgrs;
    return std::nullopt;
}

} // namespace tool

namespace {

void PrintUsage(std::ostream& out) {
    std::vector<const tool::ToolCommand*> commands;
    for (const auto& command : tool::Registry())
        commands.push_back(&command);
    std::sort(commands.begin(), commands.end(),
              [](const auto* a, const auto* b) { return a->syntax.name < b->syntax.name; });
    out << "usage: quilo-tool COMMAND [ARGS...]   (quilo-tool COMMAND --help for its options)\n";
    for (const auto* command : commands)
        out << "  " << tool::UsageOf(command->syntax) << '\n';
    out << "quilo-tool --version prints the version.\n";
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    if (argc < 2) {
        std::cerr << "quilo-tool: missing command (try --help)\n";
        return 2;
    }
    const std::string_view name = argv[1];
    if (name == "--version") {
        std::cout << "quilo-tool " QUILO_VERSION_TEXT "\n";
        return 0;
    }
    if (name == "--help" || name == "-h" || name == "help") {
        PrintUsage(std::cout);
        return 0;
    }
    for (const auto& command : tool::Registry()) {
        if (command.syntax.name != name)
            continue;
        const tool::ParsedArgs args =
            tool::ParseArgs(command.syntax, tool::Args(argv + 2, argv + argc));
        if (args.help) {
            tool::PrintHelp(command.syntax, std::cout);
            return 0;
        }
        if (!args.error.empty())
            return tool::Fail(std::cerr, name, args.error);
        const int status = command.run(args, std::cout, std::cerr);
        std::cout.flush();
        return status;
    }
    std::cerr << "quilo-tool: unknown command '" << name << "' (try --help)\n";
    return 2;
}
