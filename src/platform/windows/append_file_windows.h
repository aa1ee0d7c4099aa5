#pragma once
// The Windows file writer's one write, replaceable by tests.
namespace tidemark::windows_files {

// Writes up to `size` bytes at the end of `file` as WriteFile does: true when
// the call succeeded, else false with the reason left in GetLastError;
// `written` counts the bytes that reached the file either way.
using WriteCall = bool (*)(void* file, const char* data, unsigned long size, unsigned long& written);

// WriteFile, unless a test has put another call here to cut a write short the
// way a full disk does: Windows gives a test process no size limit or quota
// of its own to run into (NTFS quotas need an administrator; Wine has none).
WriteCall& writeCall();

}  // namespace tidemark::windows_files
