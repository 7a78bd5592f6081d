#include "map_tool.h"

#include "command_line.h"
#include "map_dump.h"
#include "map_file.h"
#include "map_render.h"
#include "map_report.h"
#include "save_file.h"

#include <optional>

namespace {

constexpr const char* kProgram = "kubrel-map";

void ReportError(std::ostream& err, const std::string& file, const std::string& reason) {
    err << kProgram << ": " << file << ": " << reason << '\n';
}

// The level in the file, or nothing after reporting why not.
std::optional<Level> LoadLevel(const std::string& path, std::ostream& err) {
    Level level;
    SetStartupValues(level);
    const MapReadResult result = ReadMapFile(path, level);
    if (!result.loaded()) {
        ReportError(err, path, DescribeReadFailure(result));
        return std::nullopt;
    }
    return level;
}

int Render(const std::string& mapPath, const std::string& pngPath, int scale, std::ostream& err) {
    const auto level = LoadLevel(mapPath, err);
    if (!level) {
        return kExitFailed;
    }
    const PngResult png = EncodePng(RenderLevel(*level, scale));
    if (!png.ok) {
        ReportError(err, pngPath, "cannot be encoded: " + png.reason);
        return kExitFailed;
    }
    // Written whole or not at all: a failed write leaves no partial PNG behind.
    const SaveResult saved = SaveFileAtomically(pngPath, png.bytes);
    if (!saved.ok) {
        ReportError(err, pngPath, "cannot be written: " + saved.reason);
        return kExitFailed;
    }
    return kExitOk;
}

int Check(const std::vector<std::string>& paths, std::ostream& out) {
    bool allPassed = true;
    for (const std::string& path : paths) {
        const CheckOutcome outcome = CheckMapFile(path);
        out << outcome.line << '\n';
        allPassed = allPassed && outcome.passed;
    }
    return allPassed ? kExitOk : kExitFailed;
}

int Dump(const std::string& path, std::ostream& out, std::ostream& err) {
    const auto level = LoadLevel(path, err);
    if (!level) {
        return kExitFailed;
    }
    out << DumpLevel(*level);
    return kExitOk;
}

} // namespace

int RunMapTool(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    const CommandLine line = ParseCommandLine(args);
    switch (line.command) {
    case ToolCommand::Help:
        out << UsageText();
        return kExitOk;
    case ToolCommand::Version:
        out << kProgram << ' ' << KUBREL_VERSION << '\n';
        return kExitOk;
    case ToolCommand::Render:
        return Render(line.files[0], line.files[1], line.scale, err);
    case ToolCommand::Check:
        return Check(line.files, out);
    case ToolCommand::Dump:
        return Dump(line.files[0], out, err);
    case ToolCommand::UsageError:
        break;
    }
    err << kProgram << ": " << line.error << '\n' << UsageText();
    return kExitUsage;
}
