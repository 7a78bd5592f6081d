#include "map_file.h"

#include "posix_file.h"
#include "save_file.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Opens path for reading. Opening does not wait on a FIFO without a writer, and
// a folder is refused here with the reason the system gives for reading one.
FileDescriptor OpenForReading(const std::string& path, int& error) {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!file.valid()) {
        error = errno;
        return file;
    }
    struct stat st{};
    if (::fstat(file.get(), &st) != 0) {
        error = errno;
        return FileDescriptor();
    }
    if (S_ISDIR(st.st_mode)) {
        error = EISDIR;
        return FileDescriptor();
    }
    const int flags = ::fcntl(file.get(), F_GETFL);
    if (flags >= 0) {
        ::fcntl(file.get(), F_SETFL, flags & ~O_NONBLOCK);
    }
    return file;
}

// Reads up to buffer.size() bytes from the start; returns the count, or -errno.
long ReadUpTo(int fd, std::span<std::uint8_t> buffer) {
    std::size_t total = 0;
    while (total < buffer.size()) {
        const ssize_t got = ::read(fd, buffer.data() + total, buffer.size() - total);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return -errno;
        }
        if (got == 0) {
            break;
        }
        total += static_cast<std::size_t>(got);
    }
    return static_cast<long>(total);
}

} // namespace

MapReadResult ReadMapFile(const std::string& path, Level& level) {
    int error = 0;
    FileDescriptor file = OpenForReading(path, error);
    if (!file.valid()) {
        return {MapReadStatus::CannotRead, 0, SystemReason(error)};
    }
    MapRecord buffer{};
    const long got = ReadUpTo(file.get(), buffer);
    file.close();
    if (got < 0) {
        return {MapReadStatus::CannotRead, 0, SystemReason(static_cast<int>(-got))};
    }
    const auto size = static_cast<std::size_t>(got);
    return {DecodeRecord(std::span(buffer).first(size), level), size, {}};
}

MapWriteResult WriteMapFile(const std::string& path, const Level& level) {
    const MapRecord record = EncodeRecord(level);
    SaveResult saved = SaveFileAtomically(path, record);
    return {saved.ok, std::move(saved.reason)};
}
