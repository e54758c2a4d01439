#pragma once
#include <cstdint>

/// The display list's highlighting as the settings dialog offers it: 0 "None",
/// 1 "Highlight available sims", 2 "Color-code based on gender". A stored value
/// other than 0 and 1 shows, and is stored back, as 2.
inline int32_t HighlightChoiceFor(int32_t stored) { return (stored == 0 || stored == 1) ? stored : 2; }
