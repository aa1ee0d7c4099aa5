#pragma once
// Real file-system refusals, made this system's way.
#include <cstdint>
#include <filesystem>
#include <fstream>
#ifndef _WIN32
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#endif

namespace tidemark::testing {
namespace fs = std::filesystem;

#ifndef _WIN32
// While it lives, writes cannot make a file longer than `bytes`, as on a full
// disk: the kernel's file-size limit, its signal ignored so the write fails with EFBIG.
class FileSizeLimit {
public:
    explicit FileSizeLimit(std::uintmax_t bytes) : handler_(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        const rlimit limit{static_cast<rlim_t>(bytes), saved_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;

private:
    void (*handler_)(int);
    rlimit saved_{};
};
#endif

// Makes the files in a folder impossible to change. POSIX: the folder too, by
// mounting it read-only over itself for root (whom permissions do not stop),
// else by permissions. Windows: each file's read-only attribute, which is what
// taking its write permission away sets there.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const fs::path& folder) : folder_(folder) {
#ifndef _WIN32
        mounted_ = ::geteuid() == 0 && ::mount(folder_.c_str(), folder_.c_str(), nullptr, MS_BIND, nullptr) == 0;
        if (mounted_ && ::mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0)
            return;
        fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
#endif
        for (const auto& entry : fs::directory_iterator(folder_)) fs::permissions(entry.path(), fs::perms::owner_read);
    }
    ~ReadOnlyFolder() {
        std::error_code ignored;
#ifndef _WIN32
        if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
        fs::permissions(folder_, fs::perms::owner_all, ignored);
#endif
        for (const auto& entry : fs::directory_iterator(folder_, ignored))
            fs::permissions(entry.path(), fs::perms::owner_all, ignored);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;

    // False where this process may write all the same (root without the
    // mount, Wine run by root), asked by another route than the code tested.
    bool enforced() const {
        const fs::directory_iterator first(folder_);
        if (first == fs::directory_iterator()) return !std::ofstream(folder_ / "probe").is_open();
        return !std::ofstream(first->path(), std::ios::app).is_open();
    }

private:
    fs::path folder_;
    bool mounted_ = false;
};

}  // namespace tidemark::testing
