// "resave": reads a neighborhood file and writes it back with the program's
// own writer, through a temporary file and a rename.
#include <iostream>

#include "Commands.h"

int RunResave(const CliOptions& options, const std::string& in, const std::string& out) {
    LoadedNeighborhood hood(options);
    if (!hood.LoadCareers() || !hood.LoadFile(in)) return kExitError;
    if (hood.registry.IsEmpty()) {
        std::cerr << "nestrel-cli: " << in << " holds no family; nothing was written\n";
        return kExitError;
    }
    // The path is used exactly as given: the program's own name rules (the
    // "Saved" folder, the default extension) are for names typed in its window.
    if (!hood.file.WriteFile(out)) {
        std::cerr << "nestrel-cli: cannot write " << out << ": " << hood.file.LastError() << '\n';
        return kExitError;
    }
    return kExitOk;
}
