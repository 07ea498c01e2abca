// The program's version, release date and maker's addresses, as the about box and the system
// report show them.
#pragma once

namespace kirvo {

inline constexpr const char* kVersion = "0.1";
inline constexpr const char* kReleaseDate = "December 10, 2026";
inline constexpr const char* kMakerHomePage = "https://www.moru-games.example";
inline constexpr const char* kMakerEmail = "info@moru-games.example";

}  // namespace kirvo
