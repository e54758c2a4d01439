#include "names/WordFile.h"

#include "base/FileIO.h"

namespace {

// The C library's white space in the "C" locale; a locale must not change
// what counts as an empty line.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

void WordFile::Open(const std::string& name) {
    Reset();
    Load(name);
}

bool WordFile::Load(const std::string& name) {
    if (name.empty()) return false;
    path = name;
    std::string contents;
    if (!ReadWholeFile(name, contents)) return false;

    lines.clear();
    size_t start = 0;
    while (start < contents.size()) {
        size_t end = contents.find('\n', start);
        if (end == std::string::npos) end = contents.size();
        size_t last = end;
        while (last > start && IsBlank(contents[last - 1])) --last;
        if (last > start) lines.emplace_back(contents, start, last - start);
        start = end + 1;
    }
    return true;
}

bool WordFile::Save(const std::string& name) {
    if (name.empty()) return false;
    path = name;
    size_t total = 0;
    for (const std::string& line : lines) total += line.size() + 1;
    std::string contents;
    contents.reserve(total);
    for (const std::string& line : lines) {
        contents += line;
        contents += '\n';
    }
    return WriteFileAtomically(name, contents);
}
