// Which translation the windows use is read from the environment as gettext reads it.
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/UiLanguage.h"

namespace {

struct LanguageCase {
    const char* what;
    std::map<std::string, std::string> env;
    std::vector<std::string> expected;
};

std::vector<std::string> Languages(const std::map<std::string, std::string>& env) {
    return PreferredLanguages([&env](const char* name) -> const char* {
        auto it = env.find(name);
        return it == env.end() ? nullptr : it->second.c_str();
    });
}

}  // namespace

TEST(UiLanguage, ReadsTheLocaleVariablesLikeGettext) {
    const std::vector<LanguageCase> cases = {
        {"nothing set", {}, {}},
        {"LANG with codeset", {{"LANG", "de_DE.UTF-8"}}, {"de_DE", "de"}},
        {"LANG with modifier", {{"LANG", "de_AT@euro"}}, {"de_AT", "de"}},
        {"language only", {{"LANG", "de"}}, {"de"}},
        {"C locale", {{"LANG", "C"}}, {}},
        {"C.UTF-8 locale", {{"LANG", "C.UTF-8"}}, {}},
        {"POSIX locale", {{"LC_ALL", "POSIX"}, {"LANG", "de_DE.UTF-8"}}, {}},
        {"LC_ALL wins over LANG", {{"LC_ALL", "fr_FR.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, {"fr_FR", "fr"}},
        {"LC_MESSAGES wins over LANG", {{"LC_MESSAGES", "fr_FR"}, {"LANG", "de_DE"}}, {"fr_FR", "fr"}},
        {"empty LC_ALL is unset", {{"LC_ALL", ""}, {"LANG", "de_DE.UTF-8"}}, {"de_DE", "de"}},
        {"LANGUAGE list first", {{"LANGUAGE", "fr:de_CH"}, {"LANG", "de_DE.UTF-8"}},
         {"fr", "de_CH", "de", "de_DE"}},
        {"LANGUAGE ignored in the C locale", {{"LANGUAGE", "de"}, {"LANG", "C"}}, {}},
        {"LANGUAGE ignored without a locale", {{"LANGUAGE", "de"}}, {}},
        {"empty LANGUAGE entries skipped", {{"LANGUAGE", ":de::"}, {"LANG", "en_GB.UTF-8"}},
         {"de", "en_GB", "en"}},
    };
    for (const LanguageCase& c : cases) EXPECT_EQ(Languages(c.env), c.expected) << c.what;
}
