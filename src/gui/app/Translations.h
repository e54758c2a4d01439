#pragma once
#include <string>
#include <vector>

/// The folders below which "<lang>/LC_MESSAGES/nestrel.mo" is looked for, best first:
/// $NESTREL_LOCALE_DIR when set (a build folder's "locale", for runs from the build),
/// "share/locale" beside the program's "bin" folder (an installed copy, wherever it was
/// put), and the configured install prefix's.
std::vector<std::string> CatalogueFolders(const std::string& executablePath);

/// Loads the program's catalogue for the first of the user's languages (see
/// PreferredLanguages) that has one in `folders`, together with the toolkit's own
/// catalogue for its stock texts, and sets the C library's locale from the environment
/// (numbers excepted) so that the toolkit's own buttons speak the same language. Returns the language chosen, or empty when the texts
/// stay in English: no language asked for, or none with a catalogue.
std::string SetUpTranslations(const std::vector<std::string>& folders);
