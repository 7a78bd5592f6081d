#include "case_name.h"
#include "child_process.h"
#include "map_file.h"
#include "sample_levels.h"
#include "temp_folder.h"

#include <csignal>
#include <cstdint>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <vector>

namespace {

using namespace level_test;

class MapFileWriteTest : public TempFolderTest {};

mode_t PermissionBits(const fs::path& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
}

// Sets the process's umask for one scope.
class UmaskScope {
public:
    explicit UmaskScope(mode_t mask) : old_(::umask(mask)) {}
    UmaskScope(const UmaskScope&) = delete;
    UmaskScope& operator=(const UmaskScope&) = delete;
    ~UmaskScope() { ::umask(old_); }

private:
    mode_t old_;
};

TEST_F(MapFileWriteTest, WritesTheStartupLevelAsTheExactRecord) {
    Level level;
    SetStartupValues(level);
    level.StartX = 0;
    level.StartY = 0;
    level.EndX = 15;
    level.EndY = 15;

    const MapWriteResult result = WriteMapFile(PathOf("level.map"), level);

    ASSERT_TRUE(result.ok) << result.reason;
    EXPECT_EQ(result.reason, "");
    std::vector<std::uint8_t> expected{'K', 'u', 'B', 'm', 'A', 'p', '1', '0'};
    expected.insert(expected.end(), 6, 7);           // cube colours
    expected.insert(expected.end(), {0, 0, 15, 15}); // start, end
    expected.insert(expected.end(), 256, 0);         // tiles
    ASSERT_EQ(expected.size(), 274u);
    EXPECT_EQ(ReadBytes(Folder() / "level.map"), expected);
    EXPECT_EQ(ListFolder(Folder()), std::set<std::string>{"level.map"});
}

TEST_F(MapFileWriteTest, CutsALongerOldFileToTheRecord) {
    WriteBytes(Folder() / "level.map", std::vector<std::uint8_t>(1000, 0xAB));

    ASSERT_TRUE(WriteMapFile(PathOf("level.map"), SavedLevel()).ok);

    EXPECT_EQ(ReadBytes(Folder() / "level.map"), RecordOf(SavedLevel()));
    EXPECT_EQ(ListFolder(Folder()), std::set<std::string>{"level.map"});
}

TEST_F(MapFileWriteTest, KeepsThePermissionBitsOfTheOldFile) {
    const fs::path path = Folder() / "level.map";
    WriteBytes(path, RecordOf(EditingLevel()));
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);

    ASSERT_TRUE(WriteMapFile(path.string(), SavedLevel()).ok);

    EXPECT_EQ(PermissionBits(path), 0640u);
    EXPECT_EQ(ReadBytes(path), RecordOf(SavedLevel()));
}

// A new map is an ordinary file for its owner's group too, not a private
// temporary file.
TEST_F(MapFileWriteTest, GivesANewFileTheUsualModeLessTheUmask) {
    const UmaskScope umask(002);

    ASSERT_TRUE(WriteMapFile(PathOf("level.map"), SavedLevel()).ok);

    EXPECT_EQ(PermissionBits(Folder() / "level.map"), 0664u);
}

// The system allows a name of 255 bytes; the save must not need a longer one
// for its own use.
TEST_F(MapFileWriteTest, SavesUnderTheLongestNameTheSystemAllows) {
    const std::string name = std::string(251, 'n') + ".map";

    const MapWriteResult result = WriteMapFile(PathOf(name), SavedLevel());

    EXPECT_TRUE(result.ok) << result.reason;
    EXPECT_EQ(ReadBytes(Folder() / name), RecordOf(SavedLevel()));
    EXPECT_EQ(ListFolder(Folder()), std::set<std::string>{name});
}

// "link.map" in the test folder is a symbolic link to a file in its subfolder
// "maps"; the link is written to by name.
struct LinkCase {
    const char* name;
    bool absolute;     // the link holds a full path, else one relative to its folder
    bool targetExists; // false for a dangling link
};

class MapFileLinkTest : public MapFileWriteTest, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(MapFileLinkTest, ReplacesTheFileItNamesAndKeepsTheLink) {
    const fs::path maps = Folder() / "maps";
    const fs::path target = maps / "real.map";
    const fs::path link = Folder() / "link.map";
    fs::create_directory(maps);
    if (GetParam().targetExists) {
        WriteBytes(target, std::vector<std::uint8_t>(1000, 0xAB));
    }
    const fs::path linkText = GetParam().absolute ? target : fs::path("maps") / "real.map";
    fs::create_symlink(linkText, link);

    const MapWriteResult result = WriteMapFile(link.string(), SavedLevel());

    ASSERT_TRUE(result.ok) << result.reason;
    EXPECT_EQ(ReadBytes(target), RecordOf(SavedLevel()));
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
    EXPECT_EQ(fs::read_symlink(link), linkText);
    EXPECT_EQ(ListFolder(Folder()), (std::set<std::string>{"link.map", "maps"}));
    EXPECT_EQ(ListFolder(maps), std::set<std::string>{"real.map"});
}

INSTANTIATE_TEST_SUITE_P(Links, MapFileLinkTest,
                         ::testing::Values(LinkCase{"AbsoluteLink", true, true},
                                           LinkCase{"RelativeLink", false, true},
                                           LinkCase{"DanglingLink", false, false}),
                         CaseName());

// A path that cannot be written, named inside a folder that holds a regular
// file "file" and an empty folder "dir".
struct UnwritablePath {
    const char* name;
    const char* path;
    const char* reason;
};

class UnwritablePathTest : public MapFileWriteTest,
                           public ::testing::WithParamInterface<UnwritablePath> {
protected:
    void SetUp() override {
        MapFileWriteTest::SetUp();
        WriteBytes(Folder() / "file", RecordOf(EditingLevel()));
        fs::create_directory(Folder() / "dir");
    }
};

TEST_P(UnwritablePathTest, FailsWithTheSystemsReasonAndCreatesNothing) {
    const MapWriteResult result = WriteMapFile(PathOf(GetParam().path), SavedLevel());

    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, GetParam().reason);
    EXPECT_EQ(ListFolder(Folder()), (std::set<std::string>{"dir", "file"}));
    EXPECT_EQ(ListFolder(Folder() / "dir"), std::set<std::string>{});
    EXPECT_EQ(ReadBytes(Folder() / "file"), RecordOf(EditingLevel()));
}

// A FIFO is not a map file: replacing it with one, as root may, would replace a
// special file (a device node, say) that other programs rely on.
TEST_F(MapFileWriteTest, RefusesToReplaceASpecialFile) {
    const fs::path fifo = Folder() / "pipe.map";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0) << std::strerror(errno);

    const MapWriteResult result = WriteMapFile(fifo.string(), SavedLevel());

    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, "Not a regular file");
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(ListFolder(Folder()), std::set<std::string>{"pipe.map"});
}

INSTANTIATE_TEST_SUITE_P(Faults, UnwritablePathTest,
                         ::testing::Values(UnwritablePath{"MissingFolder", "nowhere/level.map",
                                                          "No such file or directory"},
                                           UnwritablePath{"Directory", "dir", "Is a directory"},
                                           UnwritablePath{"PathUnderARegularFile", "file/level.map",
                                                          "Not a directory"}),
                         CaseName());

// The file size limit stands in for a disk that fills up part of the way
// through the record; the child ignores SIGXFSZ so that the write fails with
// EFBIG instead of ending the process.
TEST_F(MapFileWriteTest, DiskFillingUpMidWriteKeepsTheOldMap) {
    constexpr int kWritten = 0;
    constexpr int kFailed = 1;
    constexpr int kNoLimit = 2;
    const std::string path = PathOf("level.map");
    const std::vector<std::uint8_t> old = RecordOf(EditingLevel());
    WriteBytes(path, old);

    const ChildOutcome child = RunInChild([&path](std::string& reason) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{100, 100};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            return kNoLimit;
        }
        const MapWriteResult result = WriteMapFile(path, SavedLevel());
        reason = result.reason;
        return result.ok ? kWritten : kFailed;
    });

    ASSERT_TRUE(child.started);
    ASSERT_FALSE(child.timedOut);
    ASSERT_TRUE(child.exited) << "the child died from a signal";
    EXPECT_EQ(child.exitCode, kFailed) << child.message;
    EXPECT_EQ(child.message, "File too large");
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(ListFolder(Folder()), std::set<std::string>{"level.map"});
}

} // namespace
