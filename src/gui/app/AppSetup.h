#pragma once
#include <string>

class wxApp;

/// The program's identity and toolkit set-up, shared by the program and its window
/// tests: vendor "Quillfern" and application "Nestrel" for the configuration store
/// (kept in the XDG config folder), image handlers, the icon provider and the
/// translation hook of the core.
void SetUpToolkit(wxApp& app);

/// The help book below the install directory, else the installed one; empty when
/// neither exists.
std::string FindHelpBook(const std::string& installDir, const std::string& shareDir);

/// The help book's path relative to a data folder.
inline constexpr const char* kHelpBookPath = "help/Nestrel.hhp";
