#pragma once

// Runs the built kubrel-map as a user would, in a fresh folder per test and
// with no display in its environment, and hands back what it printed.

#include "file_bytes.h"
#include "level.h"
#include "map_file.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <span>
#include <string>
#include <sys/wait.h>
#include <system_error>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace maptool_test {

namespace fs = std::filesystem;

struct RunResult {
    int status = -1; // the exit status; -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// Writes the level's 274-byte record to path, cut to `size` bytes when smaller.
inline std::string WriteMapAt(const fs::path& path, const Level& level,
                              std::size_t size = MAP_FILE_SIZE) {
    const MapRecord record = EncodeRecord(level);
    WriteBytes(path, std::span(record).first(size));
    return path.string();
}

// The environment without anything that would give Qt a display.
inline std::vector<std::string> HeadlessEnvironment() {
    std::vector<std::string> kept;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string variable = *entry;
        if (!variable.starts_with("DISPLAY=") && !variable.starts_with("WAYLAND_DISPLAY=") &&
            !variable.starts_with("QT_QPA_PLATFORM=")) {
            kept.push_back(variable);
        }
    }
    return kept;
}

inline std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& s : strings) {
        pointers.push_back(s.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

// A fresh, empty folder for each test, removed afterwards, and the program run
// from inside it.
class MapToolTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "kubrel-map-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr) << std::strerror(errno);
        folder_ = pattern;
        fs::create_directory(folder_ / ".output");
    }

    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    const fs::path& Folder() const { return folder_; }
    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

    // The names in the test's folder, hidden files included, the runner's own
    // output folder left out.
    std::set<std::string> FolderNames() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            names.insert(entry.path().filename().string());
        }
        names.erase(".output");
        return names;
    }

    std::string WriteMap(const std::string& name, const Level& level,
                         std::size_t size = MAP_FILE_SIZE) const {
        return WriteMapAt(folder_ / name, level, size);
    }

    // Runs kubrel-map with these arguments. beforeExec runs in the child just
    // before the program starts (only async-signal-safe calls belong there).
    RunResult Run(std::vector<std::string> args,
                  const std::function<void()>& beforeExec = {}) const {
        const std::string outPath = (folder_ / ".output" / "stdout").string();
        const std::string errPath = (folder_ / ".output" / "stderr").string();
        args.insert(args.begin(), KUBREL_MAP_PROGRAM);
        std::vector<char*> argv = Pointers(args);
        std::vector<std::string> environment = HeadlessEnvironment();
        std::vector<char*> envp = Pointers(environment);

        const pid_t pid = ::fork();
        if (pid == 0) {
            const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0 ||
                ::chdir(folder_.c_str()) != 0) {
                ::_exit(126);
            }
            if (beforeExec) {
                beforeExec();
            }
            ::alarm(60); // a stuck program is killed rather than hanging the suite
            ::execve(argv[0], argv.data(), envp.data());
            ::_exit(127);
        }
        RunResult result;
        if (pid < 0) {
            ADD_FAILURE() << "fork: " << std::strerror(errno);
            return result;
        }
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.out = ReadText(outPath);
        result.err = ReadText(errPath);
        return result;
    }

private:
    fs::path folder_;
};

// A level whose markers both stand on the board and whose colours are all 0-7.
inline Level GoodLevel() {
    Level level;
    SetStartupValues(level);
    level.StartX = 0;
    level.StartY = 0;
    level.EndX = 15;
    level.EndY = 15;
    return level;
}

// Names each instance of a table of cases after its row's name.
template <typename Row> std::string RowName(const ::testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

} // namespace maptool_test
