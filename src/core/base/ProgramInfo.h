#pragma once
#include <string>
#include <string_view>

// What both programs say about their licence: `--version` of each, the manual pages
// made from it, and the About box.
inline constexpr const char* kCopyrightLine = "Copyright (C) 2008-2026 the Nestrel developers.";
inline constexpr const char* kLicenceLines =
    "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
    "This is free software: you are free to change and redistribute it.\n"
    "There is NO WARRANTY, to the extent permitted by law.";

/// The `--version` text: "<program> <version>", the copyright line and the licence
/// lines, each ended by a line feed (the form help2man reads).
inline std::string VersionText(std::string_view program, std::string_view version) {
    std::string text(program);
    text += ' ';
    text += version;
    text += '\n';
    text += kCopyrightLine;
    text += '\n';
    text += kLicenceLines;
    text += '\n';
    return text;
}
