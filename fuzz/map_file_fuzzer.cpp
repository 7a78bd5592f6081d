// Map files: the input's bytes are a file on disk that the editor loads. A file
// that loads must draw cleanly, save as exactly the record it came from and read
// back the same; a file that is refused must leave the level as it was.

#include "fuzz_check.h"
#include "guarded_canvas.h"
#include "map_file.h"
#include "redraw_check.h"
#include "same_level.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <span>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using fuzz::FailCheck;

// One folder per process, made at start-up and reused by every input; memory
// backed where possible, as each save syncs the file and its folder.
struct ScratchFiles {
    std::string folder;
    std::string input; // the input's bytes, loaded as a map file
    std::string saved; // where the loaded level is saved
};

// The first of /dev/shm, $TMPDIR and /tmp that takes a new folder.
std::string MakeScratchFolder() {
    const char* tmpdir = std::getenv("TMPDIR");
    for (const char* parent : {"/dev/shm", tmpdir, "/tmp"}) {
        if (parent == nullptr || *parent == '\0') {
            continue;
        }
        std::string pattern = std::string(parent) + "/kubrel-fuzz-XXXXXX";
        if (::mkdtemp(pattern.data()) != nullptr) {
            return pattern;
        }
    }
    FailCheck("no folder for the scratch files", __FILE__, __LINE__);
}

const ScratchFiles& Scratch() {
    static const ScratchFiles files = [] {
        const std::string folder = MakeScratchFolder();
        return ScratchFiles{folder, folder + "/input.map", folder + "/saved.map"};
    }();
    return files;
}

void RemoveScratch() {
    const ScratchFiles& files = Scratch();
    ::unlink(files.input.c_str());
    ::unlink(files.saved.c_str());
    ::rmdir(files.folder.c_str());
}

void WriteFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    FUZZ_CHECK(fd >= 0);
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        FUZZ_CHECK(written > 0);
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    FUZZ_CHECK(::close(fd) == 0);
}

std::vector<std::uint8_t> ReadWholeFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    FUZZ_CHECK(fd >= 0);
    std::vector<std::uint8_t> bytes(2 * MAP_FILE_SIZE);
    std::size_t total = 0;
    for (ssize_t got = 1; got > 0 && total < bytes.size(); total += static_cast<std::size_t>(got)) {
        got = ::read(fd, bytes.data() + total, bytes.size() - total);
        FUZZ_CHECK(got >= 0);
    }
    ::close(fd);
    bytes.resize(total);
    return bytes;
}

// The level held before the load: every field unlike the start-up values and
// unlike the zeros a careless reader might leave.
Level LevelBeforeLoading() {
    Level level;
    SetStartupValues(level);
    for (std::size_t i = 0; i < level.Map.bytes.size(); ++i) {
        level.Map.bytes[i] = static_cast<std::uint8_t>(i % 8);
    }
    level.CubeColor = {1, 2, 3, 4, 5, 6};
    level.StartX = 2;
    level.StartY = 3;
    level.EndX = 14;
    level.EndY = 9;
    level.Unsaved = true;
    level.EditMode = PlaceEnd;
    level.CurrentColor = 4;
    return level;
}

MapReadStatus ExpectedStatus(std::span<const std::uint8_t> file) {
    if (file.size() < MAP_MAGIC.size() ||
        !std::equal(MAP_MAGIC.begin(), MAP_MAGIC.end(), file.begin())) {
        return MapReadStatus::NotMapFile;
    }
    return file.size() < MAP_FILE_SIZE ? MapReadStatus::Incomplete : MapReadStatus::Loaded;
}

// Saving the loaded level writes exactly the record it was loaded from, and
// reading that file gives the same level again.
void CheckSaveAndReadBack(const Level& loaded, std::span<const std::uint8_t> record) {
    const ScratchFiles& files = Scratch();
    const MapWriteResult written = WriteMapFile(files.saved, loaded);
    FUZZ_CHECK(written.ok);
    const std::vector<std::uint8_t> saved = ReadWholeFile(files.saved);
    FUZZ_CHECK(std::equal(saved.begin(), saved.end(), record.begin(), record.end()));

    Level again = LevelBeforeLoading();
    const MapReadResult reread = ReadMapFile(files.saved, again);
    FUZZ_CHECK(reread.status == MapReadStatus::Loaded && reread.bytesRead == MAP_FILE_SIZE);
    FUZZ_CHECK(fuzz::SameLevel(again, loaded));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    Scratch();
    std::atexit(RemoveScratch);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    WriteFile(Scratch().input, file);

    static const Level before = LevelBeforeLoading();
    Level level = before;
    const MapReadResult result = ReadMapFile(Scratch().input, level);
    FUZZ_CHECK(result.status == ExpectedStatus(file));
    FUZZ_CHECK(result.bytesRead == std::min(size, MAP_FILE_SIZE));
    if (!result.loaded()) {
        FUZZ_CHECK(fuzz::SameLevel(level, before));
        return 0;
    }

    // The level proper is the file's record byte for byte; the editor's own
    // state is left as it was.
    const auto record = file.first(MAP_FILE_SIZE);
    const MapRecord encoded = EncodeRecord(level);
    FUZZ_CHECK(std::equal(encoded.begin(), encoded.end(), record.begin(), record.end()));
    FUZZ_CHECK(level.Unsaved == before.Unsaved && level.EditMode == before.EditMode &&
               level.CurrentColor == before.CurrentColor && level.ColorTable == before.ColorTable);

    // One canvas for the whole run: the full redraw paints every pixel.
    static const auto canvas = std::make_unique<fuzz::GuardedCanvas>();
    fuzz::CheckFullRedraw(level, *canvas);
    CheckSaveAndReadBack(level, record);
    return 0;
}
