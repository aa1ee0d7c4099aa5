#pragma once
// Appends bytes to a file that is opened for this one write and closed again,
// so another program may read it between two writes. Nothing already in the
// file is ever touched, and a write is in the file whole or not at all. Paths
// are UTF-8 on every system; the bytes are written as they are (no line ends
// are translated). Implemented by posix/append_file_posix.cpp and
// windows/append_file_windows.cpp.
#include <string>
#include <string_view>

namespace tidemark {

struct AppendResult {
    enum class Status {
        Written,
        InUse,   // another program holds the file busy (a running program on
                 // POSIX; on Windows one that keeps writers out, or a lock)
        Failed,  // anything else: no permission, read-only, disk full, not a file
    };
    Status status = Status::Written;
    std::string reason;  // the system's own words when not written
    bool ok() const { return status == Status::Written; }
};

// Where appended bytes start: right at the end, or on a line of their own, a
// last line left without its line end (an exit stop line, another
// program's cut-off write) being ended with CR LF first.
enum class LineStart { AtTheEnd, OnANewLine };

// Opens only a regular file at exactly this path: a symbolic link, a pipe or
// a device there is refused rather than followed or waited on. When the disk
// fills up part-way, the file is cut back to its length before this write.
AppendResult appendToFile(const std::string& path, std::string_view bytes, LineStart start = LineStart::AtTheEnd);

// A normal file of exactly this path: not a folder, not hidden (a leading dot
// on POSIX; the hidden or system attribute on Windows), and wildcard
// characters are never a pattern: part of the name on POSIX, and on Windows,
// where no name holds them, never an existing file.
bool FileExists(const std::string& path);

}  // namespace tidemark
