// "info": the figures of the neighborhood information window, as text rows.
#include <iostream>
#include <string>

#include "Commands.h"
#include "reports/NeighborhoodFigures.h"

int RunInfo(const CliOptions& options, const std::string& path) {
    LoadedNeighborhood hood(options);
    if (!hood.LoadCareers() || !hood.LoadFile(path)) return kExitError;
    for (const auto& [label, value] : NeighborhoodInfoRows(ComputeNeighborhoodFigures(hood.registry)))
        std::cout << label << value << '\n';
    return kExitOk;
}
