#pragma once

namespace vorrin {

inline constexpr const char* kBannerName = "Vorrin Expander 32 Ver. 1.50";
inline constexpr const char* kBannerAttribution = "(C) The Vorrin developers";

} // namespace vorrin
