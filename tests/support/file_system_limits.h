#pragma once
// Real file-system refusals and kinds of file, made this system's way
// (file_system_limits_posix.cpp or _windows.cpp).
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace tidemark::testing {

// While it lives, writes cannot make a file longer than `bytes`, as on a full
// disk. POSIX: the kernel's file-size limit, for every file. Windows has no
// per-process limit, so the file writer's own write call stops there.
class FileSizeLimit {
public:
    explicit FileSizeLimit(std::uintmax_t bytes);
    ~FileSizeLimit();
    // The system's words for the refusal.
    static std::string reason();

private:
    struct Saved;
    std::unique_ptr<Saved> saved_;
};

// Makes the files in a folder impossible to change. POSIX: the folder too, by
// a read-only mount for root (whom permissions do not stop), else by
// permissions. Windows: each file's read-only attribute.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const std::filesystem::path& folder);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
    // False where this process may write them all the same (Wine run by root).
    bool enforced() const;
    bool keepsNewFilesOut() const;
    // The system's words for the refusals it gives, any one of them.
    std::vector<std::string> reasons() const;

private:
    std::filesystem::path folder_;
    bool mounted_ = false;
};

// A file held open by another while this lives: one that keeps writers out
// (POSIX: this running test program; Windows: a handle without write
// sharing) or, with `letsWritersIn`, one a viewer only reads.
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

// Things in `folder` that are no regular file: a folder, a pipe nobody reads,
// a device and, on POSIX, a link to `outside`.
class NotRegularFiles {
public:
    NotRegularFiles(const std::filesystem::path& folder, const std::filesystem::path& outside);
    struct Target {
        std::string name;
        std::filesystem::path path;
    };
    const std::vector<Target>& targets() const { return targets_; }

private:
    std::vector<Target> targets_;
};

// Files in `folder` the user does not see (a leading dot; hidden or system attribute).
std::vector<std::filesystem::path> makeFilesOutOfSight(const std::filesystem::path& folder);

// Whether a file name may hold '*' and '?' (POSIX), or none can exist (Windows).
bool namesMayHoldWildcards();

// The system's words when the folder of a file to be made does not exist.
std::string noSuchFolderReason();

}  // namespace tidemark::testing
