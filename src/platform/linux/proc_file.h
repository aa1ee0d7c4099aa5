#pragma once
#include <optional>
#include <string>

namespace tidemark {

// The whole content of a (small, kernel-generated) file with plain POSIX
// reads: no stream or locale machinery on the per-tick path. Nothing when
// the file cannot be opened or read.
std::optional<std::string> readSmallFile(const char* path);

}  // namespace tidemark
