#pragma once
#include <functional>
#include <string>

#include "base/IdCounters.h"

/// What the application object shares with the main window and the dialogs: the id
/// counters of the neighborhood, the install directory, the installed share folder and
/// the help command. The application owns it; window tests build their own.
struct AppContext {
    IdCounters& counters;
    std::string installDir;         // below it lie "/Data/" and "/Saved/"
    std::string shareDir;           // read-only installed files; may be empty
    std::function<void()> showHelp;  // shows the help contents
};
