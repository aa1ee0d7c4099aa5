#pragma once
// Real file-system refusals for tests, the same for root and other users.
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <system_error>

namespace tidemark::testing {

// While it lives, files this process writes cannot grow past `bytes`: the
// kernel cuts a write short at the limit and refuses the next one, just as a
// full disk does (the reason reads "File too large" instead of "No space left
// on device").
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, saved_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = SIG_DFL;
};

// Makes an existing folder, and what it holds, impossible to change: a
// read-only file system mounted over a copy of it where this process may
// mount (root, whom file permissions do not stop), else plain permissions.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const std::filesystem::path& folder) : folder_(folder) {
        namespace fs = std::filesystem;
        if (::geteuid() == 0 && mountReadOnlyCopy()) return;
        for (const auto& entry : fs::directory_iterator(folder_))
            fs::permissions(entry.path(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    }
    ~ReadOnlyFolder() {
        namespace fs = std::filesystem;
        if (mounted_) {
            ::umount2(folder_.c_str(), MNT_DETACH);
            return;
        }
        std::error_code ignored;
        fs::permissions(folder_, fs::perms::owner_all, ignored);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    bool mountReadOnlyCopy() {
        namespace fs = std::filesystem;
        const fs::path copy = folder_.string() + ".content";
        fs::remove_all(copy);
        fs::copy(folder_, copy, fs::copy_options::recursive);
        if (::mount("tmpfs", folder_.c_str(), "tmpfs", 0, "size=1m") != 0) return false;
        mounted_ = true;
        fs::copy(copy, folder_, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        fs::remove_all(copy);
        return ::mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

    std::filesystem::path folder_;
    bool mounted_ = false;
};

}  // namespace tidemark::testing
