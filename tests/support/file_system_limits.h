#pragma once
// Real file-system refusals, made this system's way.
#include <cstdint>
#include <filesystem>
#include <fstream>
#ifndef _WIN32
#include <sys/mount.h>
#include <sys/resource.h>

#include <csignal>
#endif

namespace tidemark::testing {
namespace fs = std::filesystem;

#ifndef _WIN32
// While it lives, writes cannot make a file longer than `bytes`, as on a full disk: the
// kernel's file-size limit, with its signal ignored for good so that the write fails with EFBIG.
struct FileSizeLimit {
    explicit FileSizeLimit(std::uintmax_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &saved);
        const rlimit limit{static_cast<rlim_t>(bytes), saved.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &saved); }
    rlimit saved{};
};
#endif

// Makes the files in a folder impossible to change. POSIX: the folder too, mounted read-only over
// itself for root (whom permissions do not stop), else by permissions. Windows: each file's
// read-only attribute, which is what taking its write permission away sets there.
struct ReadOnlyFolder {
    explicit ReadOnlyFolder(const fs::path& folder) : folder(folder) {
        for (const auto& entry : fs::directory_iterator(folder)) fs::permissions(entry.path(), fs::perms::owner_read);
#ifndef _WIN32
        if (::mount(folder.c_str(), folder.c_str(), nullptr, MS_BIND, nullptr) != 0 ||
            ::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
            fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
#endif
    }
    ~ReadOnlyFolder() {
#ifndef _WIN32
        ::umount2(folder.c_str(), MNT_DETACH);  // fails harmlessly where nothing was mounted
#endif
        std::error_code ignored;
        fs::permissions(folder, fs::perms::owner_all, ignored);
        for (const auto& entry : fs::directory_iterator(folder, ignored))
            fs::permissions(entry.path(), fs::perms::owner_all, ignored);
    }
    // False where this process may write all the same (root without the
    // mount, Wine run by root), asked by another route than the code tested.
    bool enforced() const {
        const fs::directory_iterator first(folder);
        return !std::ofstream(first == fs::directory_iterator() ? folder / "probe" : first->path(), std::ios::app);
    }
    const fs::path folder;
};

}  // namespace tidemark::testing
