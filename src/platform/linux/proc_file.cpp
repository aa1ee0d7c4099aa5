#include "platform/linux/proc_file.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>

#include <algorithm>

namespace tidemark {
std::optional<std::string> readSmallFile(const char* path) {
    KernelFile file(path);
    if (const auto content = file.read()) return std::string(*content);
    return std::nullopt;
}

KernelFile::~KernelFile() { close(); }

bool KernelFile::open() {
    if (fd_ >= 0) return true;
    if (absent_) return false;
    fd_ = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    absent_ = fd_ < 0 && whenAbsent_ == WhenAbsent::GiveUp && (errno == ENOENT || errno == ENOTDIR);
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
