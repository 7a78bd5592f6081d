#include "save_file.h"

#include "posix_file.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <optional>
#include <random>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kMaxLinkHops = 40; // as the kernel's own limit, then ELOOP
constexpr int kMaxNameTries = 100;

struct PathResult {
    std::string path;
    int error = 0;
};

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Follows symbolic links at path (also dangling ones) to the file they name.
PathResult FollowLinks(std::string path) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat st{};
        if (::lstat(path.c_str(), &st) != 0) {
            return errno == ENOENT ? PathResult{path, 0} : PathResult{path, errno};
        }
        if (!S_ISLNK(st.st_mode)) {
            return {path, 0};
        }
        std::string target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0) {
            return {path, errno};
        }
        target.resize(static_cast<std::size_t>(length));
        path = target.starts_with('/') ? target : DirectoryOf(path) + "/" + target;
    }
    return {path, ELOOP};
}

std::string RandomSuffix() {
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<unsigned> digit(0, 35);
    std::string suffix(8, '0');
    for (auto& c : suffix) {
        const auto d = digit(generator);
        c = static_cast<char>(d < 10 ? '0' + d : 'a' + (d - 10));
    }
    return suffix;
}

// Creates a new file beside target that no other file shares its name with.
std::optional<std::pair<std::string, FileDescriptor>> CreateTemporary(const std::string& target,
                                                                      int& error) {
    // The name holds as much of the target's as fits, so any name that the
    // target itself may have leaves room for the temporary one.
    constexpr std::size_t kDecoration = std::char_traits<char>::length("..12345678.tmp");
    const std::string base = BaseNameOf(target).substr(0, NAME_MAX - kDecoration);
    const std::string stem = DirectoryOf(target) + "/." + base + ".";
    for (int attempt = 0; attempt < kMaxNameTries; ++attempt) {
        std::string name = stem + RandomSuffix() + ".tmp";
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            return std::pair{std::move(name), FileDescriptor(fd)};
        }
        if (errno != EEXIST) {
            error = errno;
            return std::nullopt;
        }
    }
    error = EEXIST;
    return std::nullopt;
}

int WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0) {
            return errno;
        }
        if (written == 0) {
            return ENOSPC;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return 0;
}

// Gives the new file the mode and owner of the file it replaces.
void KeepAttributes(int fd, const struct stat& old) {
    // Changing the owner may clear set-id bits, so the mode comes after it.
    // Only root may give a file away; for anyone else this keeps their own.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
        // Not an error: the new file is simply owned by whoever saved it.
    }
    ::fchmod(fd, old.st_mode & 07777);
}

void SyncDirectory(const std::string& directory) {
    FileDescriptor dir(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid()) {
        ::fsync(dir.get()); // best effort: not every file system can sync a folder
    }
}

SaveResult Failure(int error) { return {false, SystemReason(error)}; }

} // namespace

SaveResult SaveFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes) {
    const PathResult resolved = FollowLinks(path);
    if (resolved.error != 0) {
        return Failure(resolved.error);
    }
    const std::string& target = resolved.path;

    struct stat old{};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) {
        return Failure(EISDIR);
    }
    if (exists && !S_ISREG(old.st_mode)) {
        return {false, "Not a regular file"};
    }

    int error = 0;
    auto temporary = CreateTemporary(target, error);
    if (!temporary) {
        return Failure(error);
    }
    auto& [tempName, file] = *temporary;
    if (exists) {
        KeepAttributes(file.get(), old);
    }
    error = WriteAll(file.get(), bytes);
    if (error == 0 && ::fsync(file.get()) != 0) {
        error = errno;
    }
    if (const int closeError = file.close(); error == 0) {
        error = closeError;
    }
    if (error == 0 && ::rename(tempName.c_str(), target.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        ::unlink(tempName.c_str());
        return Failure(error);
    }
    SyncDirectory(DirectoryOf(target));
    return {true, {}};
}
