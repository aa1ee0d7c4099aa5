#include "platform/linux/proc_file.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tidemark {

std::optional<std::string> readSmallFile(const char* path) {
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::string content;
    std::size_t used = 0;
    content.resize(8192);
    for (;;) {
        if (used == content.size()) content.resize(content.size() * 2);
        const ssize_t got = ::read(fd, content.data() + used, content.size() - used);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (got == 0) break;
        used += static_cast<std::size_t>(got);
    }
    ::close(fd);
    content.resize(used);
    return content;
}

}  // namespace tidemark
