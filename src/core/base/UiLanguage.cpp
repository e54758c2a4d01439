#include "base/UiLanguage.h"

#include <algorithm>
#include <string_view>

namespace {

void AddName(std::string_view name, std::vector<std::string>& out) {
    // "de_DE.UTF-8@euro" -> "de_DE" -> "de".
    name = name.substr(0, name.find_first_of(".@"));
    if (name.empty() || name == "C" || name == "POSIX") return;
    auto add = [&out](std::string_view text) {
        if (std::find(out.begin(), out.end(), text) == out.end()) out.emplace_back(text);
    };
    add(name);
    const size_t underscore = name.find('_');
    if (underscore != std::string_view::npos && underscore > 0) add(name.substr(0, underscore));
}

}  // namespace

std::vector<std::string> PreferredLanguages(const EnvLookup& getenv) {
    std::string_view locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = getenv(variable);
        if (value != nullptr && *value != '\0') {
            locale = value;
            break;
        }
    }
    const std::string_view bare = locale.substr(0, locale.find_first_of(".@"));
    if (bare.empty() || bare == "C" || bare == "POSIX") return {};

    std::vector<std::string> out;
    if (const char* list = getenv("LANGUAGE"); list != nullptr) {
        std::string_view rest(list);
        while (!rest.empty()) {
            const size_t colon = rest.find(':');
            AddName(rest.substr(0, colon), out);
            rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
        }
    }
    AddName(locale, out);
    return out;
}
