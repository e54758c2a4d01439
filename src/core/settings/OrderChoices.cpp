#include "settings/OrderChoices.h"

#include "app/SimOrder.h"
#include "base/Text.h"
#include "base/Translate.h"

const std::vector<std::string>& OrderKeyNames() {
    static const std::vector<std::string> names{N_("None"), N_("Age"), N_("Availability"), N_("Gender"), N_("Last Name"), N_("First Name")};
    return names;
}

std::vector<OrderChoice> OrderChoices(bool offerAvailability) {
    std::vector<OrderChoice> choices;
    const auto& names = OrderKeyNames();
    for (int32_t code = 0; code < static_cast<int32_t>(names.size()); ++code) {
        if (code == kOrderAvailable && !offerAvailability) continue;
        choices.push_back({code, tr(names[static_cast<size_t>(code)])});
    }
    return choices;
}

int OrderEntryForCode(const std::vector<OrderChoice>& choices, int32_t code) {
    for (size_t i = 0; i < choices.size(); ++i)
        if (choices[i].code == code) return static_cast<int>(i);
    return -1;
}

int32_t OrderCodeForEntry(const std::vector<OrderChoice>& choices, int entry, int32_t stored) {
    if (entry < 0 || entry >= static_cast<int>(choices.size())) return stored;
    return choices[static_cast<size_t>(entry)].code;
}

namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

std::optional<int32_t> CodeForKey(std::string_view key, bool offerAvailability) {
    const auto& names = OrderKeyNames();
    for (int32_t code = 0; code < static_cast<int32_t>(names.size()); ++code) {
        if (code == kOrderAvailable && !offerAvailability) continue;
        if (CompareNoCase(Trimmed(key), names[static_cast<size_t>(code)]) == 0) return code;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::pair<int32_t, int32_t>> ParseOrderKeys(std::string_view text, bool offerAvailability) {
    const size_t comma = text.find(',');
    const std::string_view firstKey = text.substr(0, comma);
    const std::optional<int32_t> first = CodeForKey(firstKey, offerAvailability);
    if (!first) return std::nullopt;
    if (comma == std::string_view::npos) return std::make_pair(*first, int32_t{0});
    const std::string_view rest = text.substr(comma + 1);
    if (rest.find(',') != std::string_view::npos) return std::nullopt;
    const std::optional<int32_t> second = CodeForKey(rest, offerAvailability);
    if (!second) return std::nullopt;
    return std::make_pair(*first, *second);
}
