#pragma once
#include <functional>
#include <string>
#include <vector>

/// Reads one environment variable; null when it is not set.
using EnvLookup = std::function<const char*(const char*)>;

/// The languages the user asked for, best first, read from the environment the way
/// GNU gettext reads it, so that the windows speak the language the rest of the desktop
/// speaks: the locale is the first non-empty of LC_ALL, LC_MESSAGES and LANG; when it is
/// unset, "C" or "POSIX" nothing is translated (empty list); otherwise the
/// colon-separated list in LANGUAGE, when set, comes first, then the locale itself.
/// Each name "ll_CC.codeset@modifier" gives "ll_CC" and then "ll"; no name twice.
/// It does not matter whether the system has that locale generated.
std::vector<std::string> PreferredLanguages(const EnvLookup& getenv);
