#include "base/Utf8Text.h"

#include <cstdint>
#include <cstring>

namespace {

// Windows-1252 bytes 0x80..0x9F; the five bytes it leaves undefined keep
// their C1 code point, so nothing is lost.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendCodePoint(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
    size_t i = 0;
    const size_t n = bytes.size();
    while (i < n) {
        // Most text is ASCII: eight bytes at a time while none has its high bit set.
        while (i + 8 <= n) {
            uint64_t word;
            std::memcpy(&word, bytes.data() + i, sizeof word);
            if (word & 0x8080808080808080ull) break;
            i += 8;
        }
        if (i >= n) break;
        auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        size_t len;
        uint32_t cp;
        if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + len > n) return false;
        for (size_t k = 1; k < len; ++k) {
            auto cc = static_cast<unsigned char>(bytes[i + k]);
            if ((cc & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += len;
    }
    return true;
}

void AppendAsUtf8(std::string& out, std::string_view bytes) {
    if (IsValidUtf8(bytes)) {
        out.append(bytes);
        return;
    }
    out.reserve(out.size() + bytes.size() * 2);
    for (char ch : bytes) {
        auto c = static_cast<unsigned char>(ch);
        if (c >= 0x80 && c < 0xA0)
            AppendCodePoint(out, kCp1252High[c - 0x80]);
        else
            AppendCodePoint(out, c);
    }
}

std::string TextAsUtf8(std::string_view bytes) {
    std::string out;
    AppendAsUtf8(out, bytes);
    return out;
}
