// Map files: reading and writing one record through the file system, and the
// encoding and decoding of its 274 bytes in memory, apart from the system calls.

#include "busy_level.h"
#include "map_file.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace {

// A folder of its own under the system's temporary folder, removed afterwards.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "kubrel-bench-XXXXXX");
        if (::mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder() {
        std::error_code ignored;
        if (!path_.empty()) {
            std::filesystem::remove_all(path_, ignored);
        }
    }

    bool ok() const { return !path_.empty(); }
    std::string file(const char* name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

void ReadMapFileBench(benchmark::State& state) {
    const ScratchFolder folder;
    const std::string path = folder.file("busy.map");
    if (!folder.ok() || !WriteMapFile(path, BusyLevel())) {
        state.SkipWithError("cannot write the map file to read");
        return;
    }
    Level level = BusyLevel();
    for (auto _ : state) {
        const MapReadResult result = ReadMapFile(path, level);
        benchmark::DoNotOptimize(result.status);
    }
}

// The whole save: a new file beside the target, flushed to disk, renamed over it.
void WriteMapFileBench(benchmark::State& state) {
    const ScratchFolder folder;
    const std::string path = folder.file("busy.map");
    const Level level = BusyLevel();
    for (auto _ : state) {
        if (!WriteMapFile(path, level)) {
            state.SkipWithError("cannot write the map file");
            break;
        }
    }
}

void EncodeRecordBench(benchmark::State& state) {
    const Level level = BusyLevel();
    for (auto _ : state) {
        MapRecord record = EncodeRecord(level);
        benchmark::DoNotOptimize(record);
    }
}

void DecodeRecordBench(benchmark::State& state) {
    const MapRecord record = EncodeRecord(BusyLevel());
    Level level = BusyLevel();
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecodeRecord(record, level));
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(ReadMapFileBench)->Name("ReadMapFile");
BENCHMARK(DecodeRecordBench)->Name("DecodeRecord");
BENCHMARK(WriteMapFileBench)->Name("WriteMapFile");
BENCHMARK(EncodeRecordBench)->Name("EncodeRecord");
