#pragma once
#include <string>
#include <string_view>

#include <wx/string.h>

// The core keeps text as bytes in std::string. Everything the program writes is UTF-8;
// files written by older Windows versions of the program hold Windows-1252 bytes, so a
// text that is not valid UTF-8 is read as Windows-1252 and still shows the right letters.

namespace wxstring_detail {

inline bool IsValidUtf8(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        int extra = 0;
        char32_t cp = 0;
        if ((c & 0xE0) == 0xC0) {
            extra = 1;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + extra >= s.size()) return false;  // cut short
        for (int k = 1; k <= extra; ++k) {
            const auto cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        // Overlong forms, surrogates and values past Unicode are not UTF-8.
        static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
        if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += extra + 1;
    }
    return true;
}

inline wxString FromWindows1252(std::string_view s) {
    // 0x80..0x9F differ from Latin-1; the five unassigned bytes keep their own value,
    // as Windows itself maps them.
    static constexpr char16_t kHigh[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    wxString out;
    out.reserve(s.size());
    for (char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        out += (c >= 0x80 && c < 0xA0) ? wxUniChar(static_cast<unsigned>(kHigh[c - 0x80])) : wxUniChar(static_cast<unsigned>(c));
    }
    return out;
}

}  // namespace wxstring_detail

/// Bytes from the core as a wxString: UTF-8, or Windows-1252 when not valid UTF-8.
inline wxString ToWx(std::string_view s) {
    if (wxstring_detail::IsValidUtf8(s)) return wxString::FromUTF8(s.data(), s.size());
    return wxstring_detail::FromWindows1252(s);
}

/// A wxString as UTF-8 bytes for the core.
inline std::string ToStd(const wxString& s) {
    const wxScopedCharBuffer utf8 = s.utf8_str();
    return std::string(utf8.data(), utf8.length());
}
