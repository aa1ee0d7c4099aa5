#pragma once
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tidemark {

// The whole content of a (small, kernel-generated) file with plain POSIX
// reads: no stream or locale machinery on the per-tick path. Nothing when
// the file cannot be opened or read.
std::optional<std::string> readSmallFile(const char* path);

// Hands the file to `take` at most `pieceBytes` at a time, until `take`
// returns true or the file ends. A kernel file is generated as it is read,
// so stopping early saves the kernel's work too. False when the file cannot
// be opened or a read fails.
bool readInPieces(const char* path, std::size_t pieceBytes, const std::function<bool(std::string_view)>& take);

}  // namespace tidemark
