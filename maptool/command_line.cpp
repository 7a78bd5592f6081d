#include "command_line.h"

#include <charconv>
#include <limits>
#include <optional>
#include <string_view>

namespace {

constexpr std::string_view kScaleOption = "--scale";
constexpr std::string_view kEndOfOptions = "--";
constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();

struct CommandShape {
    std::string_view name;
    ToolCommand command;
    std::size_t minFiles;
    std::size_t maxFiles;
    std::string_view operands; // for the message when the count is wrong
};

constexpr CommandShape kCommands[] = {
    {"render", ToolCommand::Render, 2, 2, "MAP PNG"},
    {"check", ToolCommand::Check, 1, kNoLimit, "MAP..."},
    {"dump", ToolCommand::Dump, 1, 1, "MAP"},
};

CommandLine Failure(std::string error) {
    CommandLine line;
    line.error = std::move(error);
    return line;
}

std::optional<int> ParseScale(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < kMinScale ||
        value > kMaxScale) {
        return std::nullopt;
    }
    return value;
}

bool IsOption(std::string_view arg) {
    return arg.size() > 1 && arg.front() == '-';
}

// The first global option before "--", or nothing.
std::optional<ToolCommand> GlobalOption(std::span<const std::string> args) {
    bool version = false;
    for (const std::string& arg : args) {
        if (arg == kEndOfOptions) {
            break;
        }
        if (arg == "--help" || arg == "-h") {
            return ToolCommand::Help;
        }
        version = version || arg == "--version";
    }
    return version ? std::optional(ToolCommand::Version) : std::nullopt;
}

const CommandShape* FindCommand(std::string_view name) {
    for (const CommandShape& shape : kCommands) {
        if (shape.name == name) {
            return &shape;
        }
    }
    return nullptr;
}

std::string ScaleError() {
    return "--scale takes a whole number from " + std::to_string(kMinScale) + " to " +
           std::to_string(kMaxScale);
}

} // namespace

CommandLine ParseCommandLine(std::span<const std::string> args) {
    if (const auto global = GlobalOption(args)) {
        CommandLine line;
        line.command = *global;
        return line;
    }
    if (args.empty()) {
        return Failure("no command given");
    }
    const CommandShape* shape = FindCommand(args.front());
    if (shape == nullptr) {
        return Failure("unknown command '" + args.front() + "'");
    }
    CommandLine line;
    line.command = shape->command;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsEnded || !IsOption(arg)) {
            line.files.emplace_back(arg);
        } else if (arg == kEndOfOptions) {
            optionsEnded = true;
        } else if (shape->command == ToolCommand::Render && arg == kScaleOption) {
            if (i + 1 == args.size()) {
                return Failure(ScaleError());
            }
            const auto scale = ParseScale(args[++i]);
            if (!scale) {
                return Failure(ScaleError() + ", not '" + args[i] + "'");
            }
            line.scale = *scale;
        } else if (shape->command == ToolCommand::Render && arg.starts_with("--scale=")) {
            const auto value = arg.substr(kScaleOption.size() + 1);
            const auto scale = ParseScale(value);
            if (!scale) {
                return Failure(ScaleError() + ", not '" + std::string(value) + "'");
            }
            line.scale = *scale;
        } else {
            return Failure("unknown option '" + std::string(arg) + "' for " +
                           std::string(shape->name));
        }
    }
    if (line.files.size() < shape->minFiles || line.files.size() > shape->maxFiles) {
        return Failure(std::string(shape->name) + " takes " + std::string(shape->operands));
    }
    return line;
}

std::string UsageText() {
    return "Usage: kubrel-map render MAP PNG [--scale N]\n"
           "       kubrel-map check MAP...\n"
           "       kubrel-map dump MAP\n"
           "       kubrel-map --help | --version\n"
           "\n"
           "Previews and checks of Kubrel map files, drawn and read as the editor does.\n"
           "\n"
           "  render MAP PNG   save the editor's picture of the map as a PNG, 256 by 256\n"
           "                   pixels, or N times larger with --scale N (1 to 16)\n"
           "  check MAP...     one line per file: ok, or what is wrong with it\n"
           "  dump MAP         the cube colours, start, end and tiles as text\n"
           "\n"
           "Exit status: 0 done (check: every file ok), 1 a file could not be used or\n"
           "failed the check, 2 a usage error.\n";
}
