#pragma once
// Appends bytes to a file that is opened for this one write and closed again,
// so another program may read it between two writes. Nothing already in the
// file is ever touched, and a write is in the file whole or not at all.
#include <string>
#include <string_view>

namespace tidemark {

struct AppendResult {
    enum class Status {
        Written,
        InUse,   // another program holds the file busy
        Failed,  // anything else: no permission, read-only, disk full, not a file
    };
    Status status = Status::Written;
    std::string reason;  // the system's own words when not written
    bool ok() const { return status == Status::Written; }
};

// Opens only a regular file at exactly this path: a symbolic link, a pipe or
// a device there is refused rather than followed or waited on. When the disk
// fills up part-way, the file is cut back to its length before this write.
AppendResult appendToFile(const std::string& path, std::string_view bytes);

// A normal file of exactly this path: not a folder, not hidden, and wildcard
// characters are part of the name, never a pattern.
bool FileExists(const std::string& path);

}  // namespace tidemark
