#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Small text helpers shared by the model and the file readers.

/// Reads a number the way the C library's atoi does (leading blanks, an
/// optional sign, digits up to the first non-digit; 0 when there are none),
/// but saturates at the 32-bit limits instead of overflowing.
int32_t AtoiLike(std::string_view text);

/// Byte-wise ASCII lower-casing; other bytes are left alone.
std::string AsciiLower(std::string_view text);

/// Case-insensitive three-way comparison (ASCII letters folded), as used for
/// sorting names. Negative, zero or positive like strcmp.
int CompareNoCase(std::string_view a, std::string_view b);
