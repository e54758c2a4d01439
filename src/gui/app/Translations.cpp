#include "app/Translations.h"

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <wx/translation.h>

#include "base/UiLanguage.h"
#include "common/WxString.h"

namespace {

constexpr const char* kDomain = "nestrel";

bool HasCatalogue(const std::string& folder, const std::string& language) {
    std::error_code ec;
    return std::filesystem::is_regular_file(
        std::filesystem::path(folder) / language / "LC_MESSAGES" / (std::string(kDomain) + ".mo"), ec);
}

}  // namespace

std::vector<std::string> CatalogueFolders(const std::string& executablePath) {
    std::vector<std::string> folders;
    if (const char* dir = std::getenv("NESTREL_LOCALE_DIR"); dir != nullptr && *dir != '\0') folders.emplace_back(dir);
    if (!executablePath.empty()) {
        const std::filesystem::path bin = std::filesystem::path(executablePath).parent_path();
        folders.push_back((bin.parent_path() / "share" / "locale").string());
    }
    folders.emplace_back(NESTREL_LOCALE_INSTALL_DIR);
    return folders;
}

std::string SetUpTranslations(const std::vector<std::string>& folders) {
    std::string chosen;
    for (const std::string& language : PreferredLanguages([](const char* name) { return std::getenv(name); })) {
        // English is the language the texts are written in.
        if (language == "en" || language.rfind("en_", 0) == 0) return {};
        for (const std::string& folder : folders) {
            if (HasCatalogue(folder, language)) {
                chosen = language;
                break;
            }
        }
        if (!chosen.empty()) break;
    }
    if (chosen.empty()) return {};

    // The toolkit's own texts (stock buttons, GTK's dialogs) follow the C library's
    // locale, which wxGTK leaves alone: take the user's, when the system has it. Numbers
    // stay in the "C" form, since the program reads and writes them in files.
    if (std::setlocale(LC_ALL, "") != nullptr) std::setlocale(LC_NUMERIC, "C");

    auto* translations = new wxTranslations;
    wxTranslations::Set(translations);  // owns it from here
    for (const std::string& folder : folders) wxFileTranslationsLoader::AddCatalogLookupPathPrefix(ToWx(folder));
    translations->SetLanguage(ToWx(chosen));
    translations->AddStdCatalog();
    translations->AddCatalog(kDomain);
    return chosen;
}
