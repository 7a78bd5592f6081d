// kubrel-map's command line: --help and --version, and every usage error
// answered with the usage on standard error and status 2.

#include "map_tool_runner.h"

namespace maptool_test {
namespace {

using MapToolCommandLine = MapToolTest;

TEST_F(MapToolCommandLine, HelpPrintsTheUsageOnStandardOutput) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"--help"}, {"-h"}, {"render", "--help"}, {"bogus", "--help"}}) {
        const RunResult result = Run(args);
        EXPECT_EQ(result.status, 0) << args.front();
        EXPECT_TRUE(result.out.starts_with("Usage: kubrel-map render MAP PNG [--scale N]\n"))
            << result.out;
        EXPECT_EQ(result.err, "");
    }
}

TEST_F(MapToolCommandLine, VersionPrintsTheProjectsVersion) {
    const RunResult result = Run({"--version"});

    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "kubrel-map " KUBREL_VERSION "\n");
    EXPECT_EQ(result.err, "");
}

struct UsageCase {
    std::string name;
    std::vector<std::string> args;
    std::string message; // the first line on standard error, after "kubrel-map: "
};

void PrintTo(const UsageCase& c, std::ostream* os) {
    *os << c.name;
}

class MapToolUsageError : public MapToolTest, public ::testing::WithParamInterface<UsageCase> {};

TEST_P(MapToolUsageError, PrintsTheUsageOnStandardErrorAndExitsWithTwo) {
    const UsageCase& c = GetParam();
    // A map that exists, so that only the command line can be at fault.
    WriteMap("a.map", GoodLevel());

    const RunResult result = Run(c.args);

    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    const std::string first = "kubrel-map: " + c.message + "\n";
    EXPECT_TRUE(result.err.starts_with(first)) << result.err;
    EXPECT_NE(result.err.find("Usage: kubrel-map", first.size()), std::string::npos) << result.err;
    EXPECT_EQ(FolderNames(), std::set<std::string>{"a.map"}) << "nothing is written";
}

const std::string kScaleRange = "--scale takes a whole number from 1 to 16";

INSTANTIATE_TEST_SUITE_P(
    Arguments, MapToolUsageError,
    ::testing::Values(
        UsageCase{"no_command", {}, "no command given"},
        UsageCase{"unknown_command", {"draw", "a.map"}, "unknown command 'draw'"},
        UsageCase{"option_instead_of_command", {"--scale", "2"}, "unknown command '--scale'"},
        UsageCase{"render_without_png", {"render", "a.map"}, "render takes MAP PNG"},
        UsageCase{"render_with_extra_file",
                  {"render", "a.map", "a.png", "b.png"},
                  "render takes MAP PNG"},
        UsageCase{"check_without_files", {"check"}, "check takes MAP..."},
        UsageCase{"dump_without_file", {"dump"}, "dump takes MAP"},
        UsageCase{"dump_with_two_files", {"dump", "a.map", "a.map"}, "dump takes MAP"},
        UsageCase{
            "unknown_option", {"check", "--quiet", "a.map"}, "unknown option '--quiet' for check"},
        UsageCase{"scale_outside_render",
                  {"dump", "a.map", "--scale", "2"},
                  "unknown option '--scale' for dump"},
        UsageCase{"scale_without_value", {"render", "a.map", "a.png", "--scale"}, kScaleRange},
        UsageCase{
            "scale_zero", {"render", "a.map", "a.png", "--scale", "0"}, kScaleRange + ", not '0'"},
        UsageCase{"scale_seventeen",
                  {"render", "a.map", "a.png", "--scale=17"},
                  kScaleRange + ", not '17'"},
        UsageCase{"scale_not_whole",
                  {"render", "a.map", "a.png", "--scale", "2.5"},
                  kScaleRange + ", not '2.5'"},
        UsageCase{"scale_with_sign",
                  {"render", "a.map", "a.png", "--scale", "+2"},
                  kScaleRange + ", not '+2'"}),
    RowName<UsageCase>);

} // namespace
} // namespace maptool_test
