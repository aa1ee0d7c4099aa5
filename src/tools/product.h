#pragma once
// The product's names and numbers, shown in the title bar, the help and About.
namespace tidemark {

inline constexpr const char* kProductTitle = "TideMark";
inline constexpr const char* kVersionText = "2.0.1";
inline constexpr int kVersionMajor = 2;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 1;
inline constexpr const char* kMakerEmail = "tidemark@example.org";

}  // namespace tidemark
