#include "case_name.h"
#include "level_equality.h"
#include "map_file.h"
#include "sample_levels.h"
#include "temp_folder.h"

#include <cstddef>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace level_test;

class MapFileReadTest : public TempFolderTest {
protected:
    // Puts bytes into a file of the test folder and returns its path.
    std::string Put(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        const std::string path = PathOf(name);
        WriteBytes(path, bytes);
        return path;
    }
};

TEST_F(MapFileReadTest, LoadsTheLevelProperAndKeepsTheEditorState) {
    const Level before = EditingLevel();
    const std::string path = Put("level.map", RecordOf(SavedLevel()));

    Level level = before;
    const MapReadResult result = ReadMapFile(path, level);

    EXPECT_EQ(result.status, MapReadStatus::Loaded);
    EXPECT_EQ(result.bytesRead, MAP_FILE_SIZE);
    EXPECT_EQ(result.reason, "");
    EXPECT_TRUE(SameLevel(WithLevelProperOf(before, SavedLevel()), level));
}

// Bytes that the editor itself never writes are stored and saved back as they
// stand: a column of 255 with a row of 3 (an unplaced start), coordinates
// 16 and 254, colours from 8 to 255, and every byte value somewhere in the tiles.
TEST_F(MapFileReadTest, KeepsOutOfRangeBytesThroughSaveAndLoad) {
    Level saved = SavedLevel();
    saved.CubeColor = {8, 127, 128, 200, 254, 255};
    saved.StartX = 255;
    saved.StartY = 3;
    saved.EndX = 16;
    saved.EndY = 254;
    for (std::size_t i = 0; i < saved.Map.bytes.size(); ++i) {
        saved.Map.bytes[i] = static_cast<std::uint8_t>((i + 200) % 256);
    }
    ASSERT_EQ(saved.Map(0, 0), 200);
    const std::string path = PathOf("odd.map");
    ASSERT_TRUE(WriteMapFile(path, saved).ok);

    const Level before = EditingLevel();
    Level level = before;
    ASSERT_TRUE(ReadMapFile(path, level).loaded());

    EXPECT_TRUE(SameLevel(WithLevelProperOf(before, saved), level));
    EXPECT_FALSE(IsPlaced(level.StartX));
}

TEST_F(MapFileReadTest, IgnoresBytesAfterTheRecord) {
    std::vector<std::uint8_t> longer = RecordOf(SavedLevel());
    const std::vector<std::uint8_t> trailer = RecordOf(EditingLevel());
    longer.insert(longer.end(), trailer.begin(), trailer.begin() + 26);
    ASSERT_EQ(longer.size(), 300u);
    const std::string exactPath = Put("exact.map", RecordOf(SavedLevel()));
    const std::string longerPath = Put("longer.map", longer);

    Level fromExact = EditingLevel();
    Level fromLonger = EditingLevel();
    const MapReadResult exact = ReadMapFile(exactPath, fromExact);
    const MapReadResult result = ReadMapFile(longerPath, fromLonger);

    ASSERT_TRUE(exact.loaded());
    EXPECT_EQ(result.status, MapReadStatus::Loaded);
    EXPECT_EQ(result.bytesRead, MAP_FILE_SIZE);
    EXPECT_TRUE(SameLevel(fromExact, fromLonger));
}

// A file whose first bytes are not exactly MAP_MAGIC. When `restOfRecord` is
// set, the header is followed by the rest of a valid record, so that only the
// magic is wrong.
struct RefusedFile {
    const char* name;
    std::vector<std::uint8_t> header;
    bool restOfRecord;
    MapReadStatus status;
};

std::vector<std::uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

class RefusedFileTest : public MapFileReadTest, public ::testing::WithParamInterface<RefusedFile> {
protected:
    std::vector<std::uint8_t> Content() const {
        std::vector<std::uint8_t> bytes = GetParam().header;
        if (GetParam().restOfRecord) {
            const std::vector<std::uint8_t> record = RecordOf(SavedLevel());
            bytes.insert(bytes.end(), record.begin() + static_cast<std::ptrdiff_t>(bytes.size()),
                         record.end());
        }
        return bytes;
    }
};

TEST_P(RefusedFileTest, IsRefusedAndLeavesTheLevelUntouched) {
    const std::vector<std::uint8_t> content = Content();
    const std::string path = Put("refused.map", content);
    const Level before = EditingLevel();

    Level level = before;
    const MapReadResult result = ReadMapFile(path, level);

    EXPECT_EQ(result.status, GetParam().status);
    EXPECT_EQ(result.bytesRead, std::min(content.size(), MAP_FILE_SIZE));
    EXPECT_TRUE(SameLevel(before, level));
}

// The first bytes of a valid record.
std::vector<std::uint8_t> RecordPrefix(std::size_t size) {
    std::vector<std::uint8_t> bytes = RecordOf(SavedLevel());
    bytes.resize(size);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    WrongMagic, RefusedFileTest,
    ::testing::Values(
        RefusedFile{"Empty", {}, false, MapReadStatus::NotMapFile},
        RefusedFile{"SevenBytesOfMagic", Bytes("KuBmAp1"), false, MapReadStatus::NotMapFile},
        RefusedFile{"FirstLetterLowerCase", Bytes("kuBmAp10"), true, MapReadStatus::NotMapFile},
        RefusedFile{"MiddleLetterUpperCase", Bytes("KuBMAp10"), true, MapReadStatus::NotMapFile},
        RefusedFile{"LastDigitDiffers", Bytes("KuBmAp11"), true, MapReadStatus::NotMapFile},
        RefusedFile{"VersionDigitDiffers", Bytes("KuBmAp20"), true, MapReadStatus::NotMapFile},
        RefusedFile{"MagicAfterASpace", Bytes(" KuBmAp10"), true, MapReadStatus::NotMapFile},
        RefusedFile{"PngImage",
                    {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'},
                    true,
                    MapReadStatus::NotMapFile}),
    CaseName());

// Files that begin with the magic but end inside the record.
INSTANTIATE_TEST_SUITE_P(CutShort, RefusedFileTest,
                         ::testing::Values(RefusedFile{"MagicAlone", RecordPrefix(8), false,
                                                       MapReadStatus::Incomplete},
                                           RefusedFile{"MagicAndTopFace", RecordPrefix(9), false,
                                                       MapReadStatus::Incomplete},
                                           RefusedFile{"LastTileMissing", RecordPrefix(273), false,
                                                       MapReadStatus::Incomplete}),
                         CaseName());

// A path that cannot be read, named inside a folder that holds a regular
// file "file" and an empty folder "dir".
struct UnreadablePath {
    const char* name;
    const char* path;
    const char* reason;
};

class UnreadablePathTest : public MapFileReadTest,
                           public ::testing::WithParamInterface<UnreadablePath> {
protected:
    void SetUp() override {
        MapFileReadTest::SetUp();
        Put("file", RecordOf(SavedLevel()));
        fs::create_directory(Folder() / "dir");
    }
};

TEST_P(UnreadablePathTest, IsReportedWithTheSystemsReason) {
    const Level before = EditingLevel();

    Level level = before;
    const MapReadResult result = ReadMapFile(PathOf(GetParam().path), level);

    EXPECT_EQ(result.status, MapReadStatus::CannotRead);
    EXPECT_EQ(result.reason, GetParam().reason);
    EXPECT_EQ(result.bytesRead, 0u);
    EXPECT_TRUE(SameLevel(before, level));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, UnreadablePathTest,
    ::testing::Values(UnreadablePath{"MissingFile", "missing.map", "No such file or directory"},
                      UnreadablePath{"MissingFolder", "nowhere/level.map",
                                     "No such file or directory"},
                      UnreadablePath{"Directory", "dir", "Is a directory"},
                      UnreadablePath{"PathUnderARegularFile", "file/level.map", "Not a directory"}),
    CaseName());

} // namespace
