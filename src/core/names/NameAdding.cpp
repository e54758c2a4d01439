#include "names/NameAdding.h"

#include <algorithm>

#include "base/Text.h"
#include "names/WordFileNames.h"

namespace {

// The upper-case partner of a lower-case letter, or the code point itself.
char32_t UpperOf(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - 0x20;
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 0x20;  // à..þ, not ÷
    if (c == 0xFF) return 0x178;                                    // ÿ
    // Latin Extended-A: pairs of upper then lower, except where the pairs shift.
    if (c >= 0x100 && c <= 0x137) return (c % 2 == 1) ? c - 1 : c;
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c % 2 == 0) ? c - 1 : c;
    if (c >= 0x14A && c <= 0x177) return (c % 2 == 1) ? c - 1 : c;
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return c - 0x20;  // Greek α..ω
    if (c == 0x3C2) return 0x3A3;                                  // final sigma
    if (c >= 0x430 && c <= 0x44F) return c - 0x20;                 // Cyrillic а..я
    if (c >= 0x450 && c <= 0x45F) return c - 0x50;                 // ѐ..џ
    return c;
}

// Decodes the first UTF-8 character; its length is 0 when the bytes are no
// well-formed two- or three-byte sequence (one-byte ones are handled by the caller).
size_t DecodeFirst(std::string_view text, char32_t& out) {
    const auto b = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const auto cont = [&](size_t i) { return i < text.size() && (b(i) & 0xC0) == 0x80; };
    if (text.empty()) return 0;
    if ((b(0) & 0xE0) == 0xC0 && b(0) >= 0xC2 && cont(1)) {
        out = (static_cast<char32_t>(b(0) & 0x1F) << 6) | (b(1) & 0x3F);
        return 2;
    }
    if ((b(0) & 0xF0) == 0xE0 && cont(1) && cont(2)) {
        out = (static_cast<char32_t>(b(0) & 0x0F) << 12) | (static_cast<char32_t>(b(1) & 0x3F) << 6) | (b(2) & 0x3F);
        return out >= 0x800 ? 3 : 0;
    }
    return 0;
}

std::string Encode(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

std::string_view TrimmedBlanks(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

const std::vector<std::string>& ListOf(const WordFileNames& names, NameListKind kind) {
    switch (kind) {
        case NameListKind::Male: return names.maleNames;
        case NameListKind::Female: return names.femaleNames;
        case NameListKind::Last: break;
    }
    return names.lastNames;
}

}  // namespace

std::string CapitalisedFirst(std::string_view text) {
    if (text.empty()) return std::string();
    const unsigned char first = static_cast<unsigned char>(text[0]);
    if (first < 0x80) {
        std::string out(text);
        if (first >= 'a' && first <= 'z') out[0] = static_cast<char>(first - 'a' + 'A');
        return out;
    }
    char32_t c = 0;
    const size_t length = DecodeFirst(text, c);
    if (length == 0) return std::string(text);
    return Encode(UpperOf(c)) + std::string(text.substr(length));
}

NameAddResult AddTypedName(WordFileNames& names, NameListKind kind, std::string_view typed) {
    const std::string_view trimmed = TrimmedBlanks(typed);
    if (trimmed.empty()) return NameAddResult::Empty;
    const std::string name = CapitalisedFirst(trimmed);
    const auto& list = ListOf(names, kind);
    if (std::any_of(list.begin(), list.end(), [&](const std::string& n) { return CompareNoCase(n, name) == 0; }))
        return NameAddResult::AlreadyThere;
    bool added = false;
    switch (kind) {
        case NameListKind::Male: added = names.AddMale(name); break;
        case NameListKind::Female: added = names.AddFemale(name); break;
        case NameListKind::Last: added = names.AddLast(name); break;
    }
    return added ? NameAddResult::Added : NameAddResult::Refused;
}
