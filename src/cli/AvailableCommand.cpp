// "available": the rows of the availability list for one hour.
#include <iostream>
#include <string>

#include "Commands.h"
#include "availability/AvailabilityRows.h"
#include "model/Vocabulary.h"
#include "settings/OrderChoices.h"

int RunAvailable(const CliOptions& options, const std::string& path, int hour, const std::string& order) {
    if (hour < kFirstHour || hour > kLastHour) {
        std::cerr << "The hour must be 7 to 24, not " << hour << ".\n";
        return kExitError;
    }
    int32_t first = 0, second = 0;
    if (!order.empty()) {
        // The keys of the availability list's order dialog, which has no "Availability".
        const auto keys = ParseOrderKeys(order, false);
        if (!keys) {
            std::cerr << "Unknown order \"" << order
                      << "\": give one or two of None, Age, Gender, Last Name, First Name, separated by a comma.\n";
            return kExitError;
        }
        first = keys->first;
        second = keys->second;
    }
    LoadedNeighborhood hood(options);
    if (!hood.LoadCareers() || !hood.LoadFile(path)) return kExitError;
    for (const AvailabilityRow& row : BuildAvailabilityRows(hood.registry, hour, first, second, hour))
        std::cout << row.name << '\t' << row.hours << '\n';
    return kExitOk;
}
