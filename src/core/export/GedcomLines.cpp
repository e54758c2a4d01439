#include "export/GedcomLines.h"

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
    out_ += std::to_string(level);
    out_ += ' ';
    out_ += tag;
    if (!value.empty()) {
        out_ += ' ';
        out_ += value;
    }
    out_ += '\n';
}

void GedcomLines::Record(std::string_view xref, std::string_view tag) {
    out_ += "0 ";
    out_ += xref;
    out_ += ' ';
    out_ += tag;
    out_ += '\n';
}

void GedcomLines::Piece(int level, std::string_view tag, std::string_view piece, int concLevel) {
    // The first piece of a line goes under `tag`, the rest in CONC lines one level down.
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
        size_t end = value.find_first_of("\r\n", start);
        std::string_view line = value.substr(start, end == std::string_view::npos ? end : end - start);
        escaped = GedcomEscape(line);
        Piece(first ? level : level + 1, first ? tag : std::string_view("CONT"), escaped, level + 1);
        first = false;
        if (end == std::string_view::npos) break;
        start = end + 1;
        if (value[end] == '\r' && start < value.size() && value[start] == '\n') ++start;
    }
}
