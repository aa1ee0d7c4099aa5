#pragma once
// Text between the program (UTF-8) and the wide-character Windows calls.
#include <optional>
#include <string>
#include <string_view>

namespace tidemark {

// UTF-16 for the wide Windows calls; nothing when `text` is not valid UTF-8.
std::optional<std::wstring> wideFromUtf8(std::string_view text);

// UTF-8 of wide text from Windows (unpaired surrogates become U+FFFD).
std::string utf8FromWide(std::wstring_view text);

// The system's own description of an error code, in the user's language,
// without the line end Windows puts after it.
std::string systemMessage(unsigned long error);

}  // namespace tidemark
