#pragma once

#include <span>
#include <string>
#include <vector>

// What one run of kubrel-map was asked to do.
enum class ToolCommand {
    Help,       // --help or -h: the usage on standard output
    Version,    // --version
    Render,     // render MAP PNG [--scale N]
    Check,      // check MAP...
    Dump,       // dump MAP
    UsageError, // anything else: see CommandLine::error
};

inline constexpr int kMinScale = 1;
inline constexpr int kMaxScale = 16;

struct CommandLine {
    ToolCommand command = ToolCommand::UsageError;
    std::vector<std::string> files; // render: MAP, PNG; check: every MAP; dump: MAP
    int scale = kMinScale;          // render only
    std::string error;              // what is wrong, for UsageError
};

// Reads the arguments after the program's name. --help (or -h) wins wherever it
// stands before "--", then --version; otherwise the first argument names the
// command. "--" ends the options, so a file name may begin with '-'. --scale N
// (or --scale=N), N a whole number from 1 to 16, belongs to render alone.
CommandLine ParseCommandLine(std::span<const std::string> args);

// The usage text, ending in a newline.
std::string UsageText();
