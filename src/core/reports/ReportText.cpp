#include "reports/ReportText.h"

#include <algorithm>

#include "base/Text.h"

std::string FileNameOnly(std::string_view path) {
    const size_t cut = path.find_last_of("/\\");
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

bool ShownBefore(const std::string& a, const std::string& b) {
    const int byCase = CompareNoCase(a, b);
    return byCase != 0 ? byCase < 0 : a < b;
}

void SortForList(std::vector<std::string>& texts) { std::stable_sort(texts.begin(), texts.end(), ShownBefore); }
