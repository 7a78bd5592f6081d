#pragma once

#include "file_bytes.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <set>
#include <span>
#include <string>
#include <system_error>
#include <vector>

namespace level_test {

namespace fs = std::filesystem;

// Gives each test a fresh, empty folder under the system's temporary directory
// and removes it with everything in it afterwards.
class TempFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "kubrel-level-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr) << std::strerror(errno);
        folder_ = pattern;
    }

    void TearDown() override {
        if (!folder_.empty()) {
            std::error_code ignored;
            fs::remove_all(folder_, ignored);
        }
    }

    const fs::path& Folder() const { return folder_; }
    std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }

private:
    fs::path folder_;
};

// The names of everything in the folder, hidden files included.
inline std::set<std::string> ListFolder(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

} // namespace level_test
