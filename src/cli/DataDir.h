#pragma once
#include <string>

/// The folder that holds "Data/SimCareers.ini" when the user names none:
/// the installed share folder next to the executable, the configured install
/// folder, then the source tree's resources. Empty when none has the file.
std::string FindDefaultDataDir(const char* argv0);
