#pragma once
#include <string>
#include <string_view>

#include <wx/string.h>

#include "base/Utf8Text.h"

// The core keeps text as bytes in std::string. Everything the program writes is UTF-8;
// files written by older Windows versions of the program hold Windows-1252 bytes, so a
// text that is not valid UTF-8 is read as Windows-1252 and still shows the right letters.
// The core joins texts for display only after decoding each (Sim::ShownFullName).

/// Bytes from the core as a wxString: UTF-8, or Windows-1252 when not valid UTF-8.
inline wxString ToWx(std::string_view s) {
    if (IsValidUtf8(s)) return wxString::FromUTF8(s.data(), s.size());
    const std::string utf8 = TextAsUtf8(s);
    return wxString::FromUTF8(utf8.data(), utf8.size());
}

/// A wxString as UTF-8 bytes for the core.
inline std::string ToStd(const wxString& s) {
    const wxScopedCharBuffer utf8 = s.utf8_str();
    return std::string(utf8.data(), utf8.length());
}
