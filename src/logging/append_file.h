#pragma once
// Appends bytes to a file that is opened for this one write and closed again,
// so another program may read it between two writes. Nothing already in the
// file is ever touched.
#include <string>
#include <string_view>

namespace tidemark {

struct AppendResult {
    enum class Status {
        Written,
        InUse,   // another program holds the file, or access is denied
        Failed,  // any other failure: disk full, I/O error, missing folder
    };
    Status status = Status::Written;
    std::string reason;  // the system's own words when not written
    bool ok() const { return status == Status::Written; }
};

AppendResult appendToFile(const std::string& path, std::string_view bytes);

// A normal file of exactly this path: not a folder, not hidden, and wildcard
// characters are part of the name, never a pattern.
bool FileExists(const std::string& path);

}  // namespace tidemark
