#include "support/file_system_limits.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fstream>
#include <system_error>

namespace tidemark::testing {
namespace fs = std::filesystem;

struct FileSizeLimit::Saved {
    rlimit limit{};
    void (*handler)(int) = SIG_DFL;
};

FileSizeLimit::FileSizeLimit(std::uintmax_t bytes) : saved_(std::make_unique<Saved>()) {
    ::getrlimit(RLIMIT_FSIZE, &saved_->limit);
    // The kernel signals a write past the limit; ignored, the write fails with EFBIG.
    saved_->handler = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{static_cast<rlim_t>(bytes), saved_->limit.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_->limit);
    std::signal(SIGXFSZ, saved_->handler);
}

std::string FileSizeLimit::reason() { return std::strerror(EFBIG); }

namespace {

// A read-only tmpfs over the folder, holding what the folder held.
bool mountReadOnlyCopy(const fs::path& folder, bool& mounted) {
    const fs::path copy = folder.string() + ".content";
    fs::remove_all(copy);
    fs::copy(folder, copy, fs::copy_options::recursive);
    if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=1m") != 0) return false;
    mounted = true;
    fs::copy(copy, folder, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    fs::remove_all(copy);
    return ::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

}  // namespace

ReadOnlyFolder::ReadOnlyFolder(const fs::path& folder) : folder_(folder) {
    if (::geteuid() == 0 && mountReadOnlyCopy(folder_, mounted_)) return;
    for (const auto& entry : fs::directory_iterator(folder_))
        fs::permissions(entry.path(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
}

ReadOnlyFolder::~ReadOnlyFolder() {
    if (mounted_) {
        ::umount2(folder_.c_str(), MNT_DETACH);
        return;
    }
    std::error_code ignored;
    fs::permissions(folder_, fs::perms::owner_all, ignored);
}

bool ReadOnlyFolder::enforced() const { return mounted_ || ::geteuid() != 0; }
bool ReadOnlyFolder::keepsNewFilesOut() const { return true; }
std::vector<std::string> ReadOnlyFolder::reasons() const { return {std::strerror(EROFS), std::strerror(EACCES)}; }

FileHeldOpen::FileHeldOpen(const fs::path& folder, bool letsWritersIn) {
    if (!letsWritersIn) {
        path_ = fs::read_symlink("/proc/self/exe");
        return;
    }
    path_ = folder / "viewed.xls";
    std::ofstream(path_) << "seen";
    handle_ = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
}

FileHeldOpen::~FileHeldOpen() {
    if (handle_ >= 0) ::close(static_cast<int>(handle_));
}

NotRegularFiles::NotRegularFiles(const fs::path& folder, const fs::path& outside) {
    fs::create_directory(folder / "folder.xls");
    fs::create_symlink(outside, folder / "link.xls");
    ::mkfifo((folder / "pipe.xls").c_str(), 0644);  // without a reader: opening it could wait forever
    targets_ = {{"a folder", folder / "folder.xls"},
                {"a symbolic link", folder / "link.xls"},
                {"a pipe nobody reads", folder / "pipe.xls"},
                {"a device", "/dev/null"}};
}

std::vector<fs::path> makeFilesOutOfSight(const fs::path& folder) {
    std::ofstream(folder / ".hidden.bmp") << "x";
    return {folder / ".hidden.bmp"};
}

bool namesMayHoldWildcards() { return true; }

std::string noSuchFolderReason() { return std::strerror(ENOENT); }

}  // namespace tidemark::testing
