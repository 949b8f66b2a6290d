// quilo-tool: command-line access to the core (decoding, formats, files, the GPS link).
#include "tool/ToolCommand.h"

#include <algorithm>
#include <charconv>
#include <iostream>

namespace tool {

std::vector<ToolCommand>& Registry() {
    static std::vector<ToolCommand> commands;
    return commands;
}

std::string FormatNumber(double value) {
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return ec == std::errc{} ? std::string(buffer, end) : std::string("nan");
}

std::optional<double> ParseNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<long> ParseInteger(std::string_view text) {
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    long value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<coords::CoordFormat> ParseCoordFormat(std::string_view name) {
    if (name == "dms")
        return coords::CoordFormat::Dms;
    if (name == "dm")
        return coords::CoordFormat::Dm;
    if (name == "d")
        return coords::CoordFormat::Deg;
    return std::nullopt;
}

} // namespace tool

namespace {

void PrintUsage(std::ostream& out) {
    auto commands = tool::Registry();
    std::sort(commands.begin(), commands.end(),
              [](const auto& a, const auto& b) { return a.name < b.name; });
    out << "usage: quilo-tool COMMAND [ARGS...]\n";
    for (const auto& command : commands)
        out << "  " << command.usage << '\n';
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    if (argc < 2) {
        std::cerr << "quilo-tool: missing command (try --help)\n";
        return 2;
    }
    const std::string_view name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintUsage(std::cout);
        return 0;
    }
    for (const auto& command : tool::Registry()) {
        if (command.name == name) {
            tool::Args args(argv + 2, argv + argc);
            const int status = command.run(args, std::cout, std::cerr);
            std::cout.flush();
            return status;
        }
    }
    std::cerr << "quilo-tool: unknown command '" << name << "' (try --help)\n";
    return 2;
}
