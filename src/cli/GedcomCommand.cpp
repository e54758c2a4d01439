// "gedcom": the neighborhood as a GEDCOM file for genealogy programs, to a
// file through the safe writer or to standard output.
#include <iostream>

#include "Commands.h"
#include "export/GedcomWriter.h"

int RunGedcom(const CliOptions& options, const std::string& path, const std::string& out) {
    LoadedNeighborhood hood(options);
    if (!hood.LoadCareers() || !hood.LoadFile(path)) return kExitError;
    if (!out.empty()) {
        std::string error;
        if (!ExportGedcomFile(hood.registry, NESTREL_VERSION, out, error)) {
            std::cerr << "nestrel-cli: cannot write " << out << ": " << error << '\n';
            return kExitError;
        }
        return kExitOk;
    }
    const bool written = WriteGedcom(hood.registry, NESTREL_VERSION, [](std::string_view bytes) {
        std::cout.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return static_cast<bool>(std::cout);
    });
    std::cout.flush();
    if (!written || !std::cout) {
        std::cerr << "nestrel-cli: cannot write the GEDCOM text to standard output\n";
        return kExitError;
    }
    return kExitOk;
}
