#pragma once

#include <cstdint>
#include <span>
#include <string>

struct SaveResult {
    bool ok = false;
    std::string reason; // the system's words when !ok
};

// Replaces the file at path with exactly these bytes, or leaves it as it was.
//
// The bytes go to a new temporary file in the target's folder, which is flushed
// to disk (fsync) and then renamed over the target. A symbolic link at path is
// followed, so the file it names is replaced and the link stays. An existing
// target keeps its permission bits (and, where allowed, its owner); a new file
// gets the usual 0666 less the umask. On any failure the temporary file is
// removed and the target is untouched.
SaveResult SaveFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);
