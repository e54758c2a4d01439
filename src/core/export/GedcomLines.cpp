#include "export/GedcomLines.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>

namespace {

bool IsContinuationByte(unsigned char c) { return (c & 0xC0) == 0x80; }

// Where to cut `text` (longer than `max`) so that neither side of the cut is a
// space and no UTF-8 character is split. Falls back to the last character
// boundary when the text is all spaces there.
size_t CutPoint(std::string_view text, size_t max) {
    auto boundary = [&](size_t at) { return !IsContinuationByte(static_cast<unsigned char>(text[at])); };
    for (size_t at = max; at > max / 2; --at) {
        if (!boundary(at)) continue;
        if (text[at] != ' ' && text[at - 1] != ' ') return at;
    }
    size_t at = max;
    while (at > 1 && !boundary(at)) --at;
    return at;
}

constexpr uint64_t kEveryByte = 0x0101010101010101ull;
constexpr uint64_t kHighBits = 0x8080808080808080ull;

// Whether any byte of the word is below `limit` (at most 0x80).
bool HasByteBelow(uint64_t word, unsigned limit) { return ((word - kEveryByte * limit) & ~word & kHighBits) != 0; }
bool HasByte(uint64_t word, unsigned char byte) { return HasByteBelow(word ^ (kEveryByte * byte), 1); }

// Where the line starting at `start` ends (CR or LF, or npos), and whether it holds
// a character to escape: one pass over the text, which is most of the export's work.
size_t LineEnd(std::string_view text, size_t start, bool& needsEscape) {
    needsEscape = false;
    size_t at = start;
    while (at < text.size()) {
        // Eight bytes at a time while none of them is a control character, '@' or DEL.
        while (at + 8 <= text.size()) {
            uint64_t word;
            std::memcpy(&word, text.data() + at, sizeof word);
            if (HasByteBelow(word, 0x20) || HasByte(word, '@') || HasByte(word, 0x7F)) break;
            at += 8;
        }
        const size_t stop = std::min(at + 8, text.size());
        for (; at < stop; ++at) {
            const auto c = static_cast<unsigned char>(text[at]);
            if (c >= 0x20 && c != '@' && c != 0x7F) continue;
            if (c == '\n' || c == '\r') return at;
            if (c != '\t') needsEscape = true;
        }
    }
    return std::string_view::npos;
}

void AppendNumber(std::string& out, int number) {
    char digits[16];
    auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    out.append(digits, end);
}

}  // namespace

std::string GedcomEscape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (ch == '@') {
            out += "@@";
        } else if (c < 0x20 && ch != '\t') {
            out += ' ';
        } else if (c == 0x7F) {
            out += ' ';
        } else {
            out += ch;
        }
    }
    return out;
}

void GedcomLines::Raw(int level, std::string_view tag, std::string_view value) {
    // Nearly two million lines for a large neighborhood: each is put together
    // on the stack and appended once.
    char line[2 * kMaxValueBytes];
    if (level < 0 || level > 9 || tag.size() + value.size() + 4 > sizeof line) {
        AppendNumber(out_, level);
        out_ += ' ';
        out_ += tag;
        if (!value.empty()) {
            out_ += ' ';
            out_ += value;
        }
        out_ += '\n';
        return;
    }
    char* at = line;
    *at++ = static_cast<char>('0' + level);
    *at++ = ' ';
    std::memcpy(at, tag.data(), tag.size());
    at += tag.size();
    if (!value.empty()) {
        *at++ = ' ';
        std::memcpy(at, value.data(), value.size());
        at += value.size();
    }
    *at++ = '\n';
    out_.append(line, static_cast<size_t>(at - line));
}

void GedcomLines::Record(std::string_view xref, std::string_view tag) {
    out_ += "0 ";
    out_ += xref;
    out_ += ' ';
    out_ += tag;
    out_ += '\n';
}

void GedcomLines::Pointer(int level, std::string_view tag, char kind, int number) {
    char line[64];
    if (level < 0 || level > 9 || tag.size() > 16) {
        AppendNumber(out_, level);
        out_ += ' ';
        out_ += tag;
        out_ += " @";
        out_ += kind;
        AppendNumber(out_, number);
        out_ += "@\n";
        return;
    }
    char* at = line;
    *at++ = static_cast<char>('0' + level);
    *at++ = ' ';
    std::memcpy(at, tag.data(), tag.size());
    at += tag.size();
    *at++ = ' ';
    *at++ = '@';
    *at++ = kind;
    at = std::to_chars(at, line + sizeof line, number).ptr;
    *at++ = '@';
    *at++ = '\n';
    out_.append(line, static_cast<size_t>(at - line));
}

void GedcomLines::Record(char kind, int number, std::string_view tag) {
    out_ += "0 @";
    out_ += kind;
    AppendNumber(out_, number);
    out_ += "@ ";
    out_ += tag;
    out_ += '\n';
}

void GedcomLines::Piece(int level, std::string_view tag, std::string_view piece, int concLevel) {
    // The first piece of a line goes under `tag`, the rest in CONC lines one level down.
    if (piece.size() <= kMaxValueBytes) return Raw(level, tag, piece);
    std::string_view rest = piece;
    bool first = true;
    do {
        std::string_view part = rest;
        if (rest.size() > kMaxValueBytes) part = rest.substr(0, CutPoint(rest, kMaxValueBytes));
        rest.remove_prefix(part.size());
        Raw(first ? level : concLevel, first ? tag : std::string_view("CONC"), part);
        first = false;
    } while (!rest.empty());
}

void GedcomLines::Text(int level, std::string_view tag, std::string_view value) {
    std::string escaped;
    size_t start = 0;
    bool first = true;
    // Each line of the text (CR LF, LF or CR) becomes a line of its own.
    while (true) {
        bool needsEscape = false;
        size_t end = LineEnd(value, start, needsEscape);
        std::string_view line = value.substr(start, end == std::string_view::npos ? end : end - start);
        // Nearly every line needs no escaping and is written from the text itself.
        std::string_view piece = line;
        if (needsEscape) {
            escaped = GedcomEscape(line);
            piece = escaped;
        }
        Piece(first ? level : level + 1, first ? tag : std::string_view("CONT"), piece, level + 1);
        first = false;
        if (end == std::string_view::npos) break;
        start = end + 1;
        if (value[end] == '\r' && start < value.size() && value[start] == '\n') ++start;
    }
}
