// The program's version and release date, as the about box and the system report show them.
#pragma once

namespace kirvo {

inline constexpr const char* kVersion = "0.1";
inline constexpr const char* kReleaseDate = "December 10, 2026";

}  // namespace kirvo
