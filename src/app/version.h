// The program's maker and version (3.01.0003), as the version record in
// resources/tavrin.rc has them; the Win32 tests hold the two together.
#pragma once

namespace tavrin {

inline constexpr const char* kMaker = "Quenfold";
inline constexpr int kVersionMajor = 3;
inline constexpr int kVersionMinor = 1;
inline constexpr int kVersionRevision = 3;

} // namespace tavrin
