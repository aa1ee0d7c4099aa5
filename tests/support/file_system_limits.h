#pragma once
// Real file-system refusals and kinds of file for tests, made the way this
// system makes them (file_system_limits_posix.cpp or _windows.cpp, picked by
// CMake), the same for root and other users.
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

namespace tidemark::testing {

// While it lives, writes to files cannot make them longer than `bytes`: a
// write is cut short at the limit and the next one refused, as on a full disk.
// POSIX: the kernel's file-size limit for this process (its reason reads
// "File too large"), for every file it writes. Windows gives a test process no
// limit or quota of its own (NTFS quotas need an administrator; Wine has
// none), so there the file writer's own write call stops at the limit with
// ERROR_DISK_FULL: only appendToFile feels it.
class FileSizeLimit {
public:
    explicit FileSizeLimit(std::uintmax_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    // The system's words for the refusal.
    static std::string reason();

private:
    struct Saved;
    std::unique_ptr<Saved> saved_;
};

// Makes the files in an existing folder impossible to change. POSIX: the
// folder too, by a read-only file system mounted over a copy of it where this
// process may mount (root, whom file permissions do not stop), else by plain
// permissions. Windows: the read-only attribute of each file; a folder's
// read-only attribute keeps no one from adding files, so new files still can.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const std::filesystem::path& folder);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
    // False where this process may write the files all the same: Wine run by
    // root checks the read-only attribute by Unix permissions, which root passes.
    bool enforced() const;
    bool keepsNewFilesOut() const;
    // The system's words for the refusals it gives, any one of them.
    std::vector<std::string> reasons() const;

private:
    std::filesystem::path folder_;
    bool mounted_ = false;
};

// A file that another holder keeps open while this lives. POSIX has no lock
// that keeps writers out, but the kernel refuses writes to a running program,
// so there the busy file is this test program itself. Windows: a file in
// `folder` held by a handle that does not share writing, as a spreadsheet
// holds its file; or, with `letsWritersIn`, one a viewer reads and shares.
class FileHeldOpen {
public:
    FileHeldOpen(const std::filesystem::path& folder, bool letsWritersIn);
    ~FileHeldOpen();
    FileHeldOpen(const FileHeldOpen&) = delete;
    FileHeldOpen& operator=(const FileHeldOpen&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    std::intptr_t handle_ = -1;
};

// Things in `folder` that are no regular file, under their names: a folder
// and the system's pipes (one nobody reads, one that is read) and a device;
// on POSIX a symbolic link to `outside` too. Windows makes no link here: Wine
// only pretends to, and Windows itself lets only administrators and developer
// mode make one. Pipes stay open as long as this lives.
class NotRegularFiles {
public:
    NotRegularFiles(const std::filesystem::path& folder, const std::filesystem::path& outside);
    ~NotRegularFiles();
    NotRegularFiles(const NotRegularFiles&) = delete;
    NotRegularFiles& operator=(const NotRegularFiles&) = delete;
    struct Target {
        std::string name;
        std::filesystem::path path;
    };
    const std::vector<Target>& targets() const { return targets_; }

private:
    std::vector<Target> targets_;
    std::vector<std::intptr_t> handles_;
};

// Files in `folder` that the user does not see: a name with a leading dot on
// POSIX; the hidden and the system attribute on Windows.
std::vector<std::filesystem::path> makeFilesOutOfSight(const std::filesystem::path& folder);

// Whether a file name may hold '*' and '?' (POSIX), or none can exist (Windows).
bool namesMayHoldWildcards();

// The system's words when the folder of a file to be made does not exist.
std::string noSuchFolderReason();

}  // namespace tidemark::testing
