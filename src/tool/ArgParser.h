#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One reading of every quilo-tool command line: positionals, options as "--opt value" or
// "--opt=value" (an option may name several values, "--pixel X Y", and may come more than
// once), "--help" anywhere, and one form for every error line.
namespace tool {

using Args = std::vector<std::string_view>;

struct OptionSyntax {
    std::string_view name;   // "--magvar"
    std::string_view values; // the names of its values, one word each: "DEG", "X Y"
    std::string_view help;   // one line for "quilo-tool CMD --help"
};

struct CommandSyntax {
    std::string_view name;        // "range"
    std::string_view positionals; // their names: "LAT LON"; "[FILE]" is optional; a last
                                  // "FILE..." takes one or more
    std::string_view synopsis;    // the options part of the usage line: "[--magvar DEG]"
    std::string_view summary;     // what the command does, one line
    std::vector<OptionSyntax> options;
};

// "name positionals synopsis", as the usage line and the command list show it.
std::string UsageOf(const CommandSyntax& command);

struct OptionUse {
    std::string_view name;
    std::vector<std::string_view> values;
};

struct ParsedArgs {
    bool help = false; // "--help" was given: print the help and nothing else
    std::vector<std::string_view> positionals;
    std::vector<OptionUse> options; // in command-line order
    std::string error;              // why the arguments are refused; empty when they are not

    // The value of the last use of a one-value option; nullopt when it is not given.
    [[nodiscard]] std::optional<std::string_view> Value(std::string_view name) const;
};

// An argument that starts with "--" is an option, anything else ("-0.5", "-") a positional.
[[nodiscard]] ParsedArgs ParseArgs(const CommandSyntax& command, const Args& args);

// The usage line, then one line per option.
void PrintHelp(const CommandSyntax& command, std::ostream& out);

// Writes the one line of a refusal, "quilo-tool CMD: message", and returns exit status 2.
int Fail(std::ostream& err, std::string_view command, std::string_view message);

} // namespace tool
