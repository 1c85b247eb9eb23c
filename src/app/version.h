// The program's name, maker and version (3.01.0003).
#pragma once

namespace tavrin {

inline constexpr const char* kMaker = "Quenfold";
inline constexpr int kVersionMajor = 3;
inline constexpr int kVersionMinor = 1;
inline constexpr int kVersionRevision = 3;

} // namespace tavrin
