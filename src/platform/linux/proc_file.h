#pragma once
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tidemark {

// The whole content of a (small, kernel-generated) file with plain POSIX
// reads: no stream or locale machinery on the per-tick path. Nothing when
// the file cannot be opened or read.
std::optional<std::string> readSmallFile(const char* path);

// A kernel file read on every tick: opened once and read from its start each
// time into a buffer that is kept, so a tick costs one or two reads and no
// allocation. A file that cannot be opened is tried again on the next read,
// unless it is optional and absent: a file a driver's absence leaves out is
// not looked for again each tick.
class KernelFile {
public:
    enum class WhenAbsent { TryAgain, GiveUp };
    explicit KernelFile(std::string path, WhenAbsent whenAbsent = WhenAbsent::TryAgain)
        : path_(std::move(path)), whenAbsent_(whenAbsent) {}
    ~KernelFile();
    KernelFile(const KernelFile&) = delete;
    KernelFile& operator=(const KernelFile&) = delete;

    // The whole content, valid until the next read; nothing when it cannot be read.
    std::optional<std::string_view> read();
    // Hands the file, from its start, to `take` at most `pieceBytes` at a
    // time, until `take` returns true or the file ends. A kernel file is
    // generated as it is read, so stopping early saves the kernel's work too.
    // False when the file cannot be opened or a read fails.
    bool readInPieces(std::size_t pieceBytes, const std::function<bool(std::string_view)>& take);

private:
    bool open();
    void close();

    std::string path_;
    WhenAbsent whenAbsent_;
    bool absent_ = false;
    int fd_ = -1;
    std::string buffer_;
};

}  // namespace tidemark
