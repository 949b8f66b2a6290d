#include "tool/ArgParser.h"

#include <algorithm>
#include <ostream>

namespace tool {

namespace {

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    while (!text.empty()) {
        const auto start = text.find_first_not_of(' ');
        if (start == std::string_view::npos)
            break;
        const auto end = std::min(text.find(' ', start), text.size());
        words.push_back(text.substr(start, end - start));
        text.remove_prefix(end);
    }
    return words;
}

std::string ArgumentCount(std::size_t wanted) {
    return std::to_string(wanted) + (wanted == 1 ? " value" : " values");
}

} // namespace

std::string UsageOf(const CommandSyntax& command) {
    std::string usage(command.name);
    for (const std::string_view part : {command.positionals, command.synopsis}) {
        if (!part.empty())
            usage.append(" ").append(part);
    }
    return usage;
}

std::optional<std::string_view> ParsedArgs::Value(std::string_view name) const {
    for (auto use = options.rbegin(); use != options.rend(); ++use) {
        if (use->name == name && !use->values.empty())
            return use->values.front();
    }
    return std::nullopt;
}

ParsedArgs ParseArgs(const CommandSyntax& command, const Args& args) {
    ParsedArgs parsed;
    if (std::find(args.begin(), args.end(), "--help") != args.end()) {
        parsed.help = true;
        return parsed;
    }
    const std::string usage = " (usage: quilo-tool " + UsageOf(command) + ")";
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!arg.starts_with("--")) {
            parsed.positionals.push_back(arg);
            continue;
        }
        const auto equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        const auto option = std::find_if(command.options.begin(), command.options.end(),
                                         [name](const OptionSyntax& o) { return o.name == name; });
        if (option == command.options.end()) {
            parsed.error = "unknown option '" + std::string(name) + "'" + usage;
            return parsed;
        }
        const std::size_t wanted = Words(option->values).size();
        OptionUse use{option->name, {}};
        if (equals != std::string_view::npos) {
            if (wanted == 0) {
                parsed.error = std::string(name) + " takes no value";
                return parsed;
            }
            use.values.push_back(arg.substr(equals + 1));
        }
        while (use.values.size() < wanted && i + 1 < args.size())
            use.values.push_back(args[++i]);
        if (use.values.size() < wanted) {
            parsed.error = std::string(name) + " needs " + ArgumentCount(wanted) + " (" +
                           std::string(option->values) + ")";
            return parsed;
        }
        parsed.options.push_back(std::move(use));
    }
    const auto names = Words(command.positionals);
    const auto required = static_cast<std::size_t>(std::count_if(
        names.begin(), names.end(), [](std::string_view n) { return !n.starts_with('['); }));
    if (parsed.positionals.size() < required)
        parsed.error = "missing " + std::string(names[parsed.positionals.size()]) + usage;
    else if (parsed.positionals.size() > names.size() &&
             !(!names.empty() && names.back().ends_with("...")))
        parsed.error =
            "unexpected argument '" + std::string(parsed.positionals[names.size()]) + "'" + usage;
    return parsed;
}

void PrintHelp(const CommandSyntax& command, std::ostream& out) {
    out << "usage: quilo-tool " << UsageOf(command) << '\n';
    if (!command.summary.empty())
        out << command.summary << '\n';
    std::size_t width = 0;
    for (const OptionSyntax& option : command.options)
        width = std::max(width, option.name.size() + 1 + option.values.size());
    for (const OptionSyntax& option : command.options) {
        std::string left(option.name);
        if (!option.values.empty())
            left.append(" ").append(option.values);
        left.resize(width, ' ');
        out << "  " << left << "  " << option.help << '\n';
    }
}

int Fail(std::ostream& err, std::string_view command, std::string_view message) {
    err << "quilo-tool " << command << ": " << message << '\n';
    return 2;
}

} // namespace tool
