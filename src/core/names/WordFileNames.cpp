#include "names/WordFileNames.h"

#include <cstdlib>

#include "base/Text.h"

namespace {

constexpr std::string_view kFemaleHeader = "[female]";
constexpr std::string_view kMaleHeader = "[male]";
constexpr std::string_view kLastHeader = "[last]";

bool IsHeader(std::string_view line, std::string_view header) {
    return line.size() == header.size() && CompareNoCase(line, header) == 0;
}

bool IsAnyHeader(std::string_view line) {
    return IsHeader(line, kFemaleHeader) || IsHeader(line, kMaleHeader) ||
           IsHeader(line, kLastHeader);
}

// The first byte upper-cased as the C library does it in the "C" locale:
// ASCII letters only, so multi-byte characters are never split.
std::string CapitalizeFirst(std::string name) {
    if (!name.empty() && name[0] >= 'a' && name[0] <= 'z') name[0] = static_cast<char>(name[0] - 'a' + 'A');
    return name;
}

}  // namespace

bool WordFileNames::Load(const std::string& name) {
    if (!WordFile::Load(name)) return false;
    if (lines.empty()) return true;
    if (!IsHeader(lines.front(), kFemaleHeader)) return false;

    std::vector<std::string> female, male, last;
    std::vector<std::string>* current = &female;
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (IsHeader(line, kMaleHeader)) {
            current = &male;
        } else if (IsHeader(line, kLastHeader)) {
            current = &last;
        } else {
            current->push_back(CapitalizeFirst(line));
        }
    }
    femaleNames = std::move(female);
    maleNames = std::move(male);
    lastNames = std::move(last);
    return true;
}

bool WordFileNames::Save(const std::string& name) {
    lines.clear();
    lines.reserve(femaleNames.size() + maleNames.size() + lastNames.size() + 5);
    lines.emplace_back(kFemaleHeader);
    lines.insert(lines.end(), femaleNames.begin(), femaleNames.end());
    lines.emplace_back();
    lines.emplace_back(kMaleHeader);
    lines.insert(lines.end(), maleNames.begin(), maleNames.end());
    lines.emplace_back();
    lines.emplace_back(kLastHeader);
    lines.insert(lines.end(), lastNames.begin(), lastNames.end());
    return WordFile::Save(name);
}

std::string WordFileNames::RandomOf(const std::vector<std::string>& list) {
    if (list.empty()) return {};
    return list[static_cast<size_t>(std::rand()) % list.size()];
}

bool WordFileNames::AddTo(std::vector<std::string>& list, std::string_view name) {
    // A name that is blank, spans lines or reads as a header would not come
    // back as the same name from the file (a "[male]" among the female names
    // would move every later name to another list).
    if (name.find_first_not_of(" \t\v\f") == std::string_view::npos) return false;
    if (name.find_first_of("\r\n") != std::string_view::npos) return false;
    if (IsAnyHeader(name)) return false;
    for (const std::string& entry : list) {
        if (entry.size() == name.size() && CompareNoCase(entry, name) == 0) return false;
    }
    list.emplace_back(name);
    return true;
}
