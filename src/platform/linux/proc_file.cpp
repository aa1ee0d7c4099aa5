#include "platform/linux/proc_file.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>

namespace tidemark {
namespace {

// Closes the descriptor on every way out.
class OpenFile {
public:
    explicit OpenFile(const char* path) : fd_(::open(path, O_RDONLY | O_CLOEXEC)) {}
    ~OpenFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    // Bytes read, 0 at the end of the file, -1 on an error.
    ssize_t read(char* into, std::size_t size) {
        for (;;) {
            const ssize_t got = ::read(fd_, into, size);
            if (got >= 0 || errno != EINTR) return got;
        }
    }

private:
    int fd_;
};

}  // namespace

std::optional<std::string> readSmallFile(const char* path) {
    OpenFile file(path);
    if (!file.isOpen()) return std::nullopt;
    std::string content;
    std::size_t used = 0;
    content.resize(8192);
    for (;;) {
        if (used == content.size()) content.resize(content.size() * 2);
        const ssize_t got = file.read(content.data() + used, content.size() - used);
        if (got < 0) return std::nullopt;
        if (got == 0) break;
        used += static_cast<std::size_t>(got);
    }
    content.resize(used);
    return content;
}

bool readInPieces(const char* path, std::size_t pieceBytes, const std::function<bool(std::string_view)>& take) {
    OpenFile file(path);
    if (!file.isOpen()) return false;
    std::string piece(pieceBytes, '\0');
    for (;;) {
        const ssize_t got = file.read(piece.data(), piece.size());
        if (got < 0) return false;
        if (got == 0 || take(std::string_view(piece.data(), static_cast<std::size_t>(got)))) return true;
    }
}

KernelFile::~KernelFile() { close(); }

bool KernelFile::open() {
    if (fd_ < 0) fd_ = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    return fd_ >= 0;
}

void KernelFile::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

std::optional<std::string_view> KernelFile::read() {
    if (!open()) return std::nullopt;
    if (buffer_.empty()) buffer_.resize(8192);
    std::size_t used = 0;
    for (;;) {
        if (used == buffer_.size()) buffer_.resize(buffer_.size() * 2);
        const ssize_t got = ::pread(fd_, buffer_.data() + used, buffer_.size() - used, static_cast<off_t>(used));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            close();  // opened again next time
            return std::nullopt;
        }
        if (got == 0) return std::string_view(buffer_.data(), used);
        used += static_cast<std::size_t>(got);
    }
}

bool KernelFile::readInPieces(std::size_t pieceBytes, const std::function<bool(std::string_view)>& take) {
    if (!open()) return false;
    buffer_.resize(std::max(buffer_.size(), pieceBytes));
    for (off_t at = 0;;) {
        const ssize_t got = ::pread(fd_, buffer_.data(), pieceBytes, at);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            close();
            return false;
        }
        if (got == 0 || take(std::string_view(buffer_.data(), static_cast<std::size_t>(got)))) return true;
        at += got;
    }
}

}  // namespace tidemark
