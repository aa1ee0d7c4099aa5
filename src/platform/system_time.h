#pragma once
#include <cstdint>
#include <optional>

#include "platform/os_types.h"

namespace tidemark {

// 100-ns intervals since 1 January 1601 UTC, or nothing when a field is out of
// its calendar range (years 1601 to 30827, as the Windows conversion accepts).
std::optional<std::int64_t> fileTimeFromSystemTime(const SystemTime& time);

// The inverse, for times from 1601 on; the day of the week is filled too.
SystemTime systemTimeFromFileTime(std::int64_t fileTime);

}  // namespace tidemark
