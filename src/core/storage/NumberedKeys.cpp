#include "storage/NumberedKeys.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// A number as the writer writes it: digits without a leading zero (but "0"),
// within int32. Returns -1 for anything else.
int32_t CanonicalNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 10 || (digits.size() > 1 && digits[0] == '0')) return -1;
    int64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value > INT32_MAX ? -1 : static_cast<int32_t>(value);
}

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

template <typename T>
void SortUnique(std::vector<T>& values) {
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
}

}  // namespace

void NumberedKeys::AddPair(char prefix, std::string_view digits) {
    // The separated form "F1_12" names one position.
    if (const size_t sep = digits.find('_'); sep != std::string_view::npos) {
        const int32_t member = CanonicalNumber(digits.substr(0, sep));
        const int32_t entry = CanonicalNumber(digits.substr(sep + 1));
        if (member >= 0 && entry >= 0) positions_.push_back({prefix, member, entry});
        return;
    }
    // The plain form "F112" may be split after any digit.
    if (!AllDigits(digits)) return;
    for (size_t split = 1; split < digits.size(); ++split) {
        const int32_t member = CanonicalNumber(digits.substr(0, split));
        const int32_t entry = CanonicalNumber(digits.substr(split));
        if (member >= 0 && entry >= 0) positions_.push_back({prefix, member, entry});
    }
}

void NumberedKeys::Build(std::string_view body) {
    members_.clear();
    positions_.clear();
    size_t at = 0;
    while (at < body.size()) {
        const char* start = body.data() + at;
        const void* lf = std::memchr(start, '\n', body.size() - at);
        const size_t length = lf ? static_cast<size_t>(static_cast<const char*>(lf) - start) : body.size() - at;
        at += length + 1;
        const std::string_view line(start, length);
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos || eq < 2) continue;
        const std::string_view key = line.substr(0, eq);
        if (key[0] == 'F' || key[0] == 'C') {
            AddPair(key[0], key.substr(1));
        } else if (key.size() > 4 && key.substr(0, 4) == "Name") {
            const int32_t member = CanonicalNumber(key.substr(4));
            if (member >= 0) members_.push_back(member);
        }
    }
    SortUnique(members_);
    SortUnique(positions_);
}

std::pair<const NumberedKeys::Position*, const NumberedKeys::Position*> NumberedKeys::Positions(
    char prefix, int32_t member) const {
    const auto first = std::lower_bound(positions_.begin(), positions_.end(), Position{prefix, member, 0});
    const auto last = std::upper_bound(first, positions_.end(), Position{prefix, member, INT32_MAX});
    const Position* base = positions_.data();
    return {base + (first - positions_.begin()), base + (last - positions_.begin())};
}
