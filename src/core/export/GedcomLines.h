#pragma once
#include <string>
#include <string_view>

/// Builds the lines of a GEDCOM file: "level [xref] tag [value]", one per
/// line, each within the 255 characters the format allows. A value with line
/// breaks goes on in CONT lines; a longer piece is cut into CONC lines, never
/// next to a space (readers trim spaces at the ends of lines) and never inside
/// a UTF-8 character. "@" in a value is doubled, as the format wants.
class GedcomLines {
public:
    /// Bytes of a value on one line; with the level, tag and spaces a line
    /// stays well under 255 bytes even when every character is multibyte.
    static constexpr size_t kMaxValueBytes = 200;

    explicit GedcomLines(std::string& out) : out_(out) {}

    /// A line whose value is written as given (cross-references, codes).
    void Raw(int level, std::string_view tag, std::string_view value = {});
    /// A record's first line: "0 @xref@ tag".
    void Record(std::string_view xref, std::string_view tag);
    /// A line pointing at a record: "level tag @<kind><number>@".
    void Pointer(int level, std::string_view tag, char kind, int number);
    /// A record's first line with its cross-reference built the same way.
    void Record(char kind, int number, std::string_view tag);
    /// A line with a text value: escaped, continued with CONT and CONC.
    void Text(int level, std::string_view tag, std::string_view value);

private:
    void Piece(int level, std::string_view tag, std::string_view piece, int concLevel);
    std::string& out_;
};

/// The value escaped for a GEDCOM line: "@" doubled, control characters
/// (other than tab) turned into spaces. Line breaks are the caller's.
std::string GedcomEscape(std::string_view text);
