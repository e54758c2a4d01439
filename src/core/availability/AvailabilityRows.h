#pragma once
#include <cstdint>
#include <string>
#include <vector>

class SimRegistry;

/// One row of the availability list: a Sim free at the list's hour.
struct AvailabilityRow {
    int32_t simId = -1;
    std::string name;   ///< "Name": the Sim's sort name ("last, first"), shown as UTF-8
    std::string hours;  ///< "Hours": the Sim's working hours
    bool male = false;  ///< the row's colour: blue for a male Sim, red for a female
};

/// The hour an entry of an hour selector stands for (entry 0 is 7 AM). A selector
/// with no selection, or any entry outside the eighteen, gives 7 AM.
int AvailabilityHourForEntry(int entry);

/// The entry of an hour selector that shows `hour`; 0 (7 AM) for an hour outside 7..24.
int AvailabilityEntryForHour(int hour);

/// "Availability List for: 13:00" (the label passes through the translation lookup).
std::string AvailabilityTitle(int hour);

/// The Sims free at `hour` (family list order, member order; Sims of homeless
/// families never), ordered stably by the two order codes, whose "available" key
/// asks about `orderHour` (the main window's current hour).
std::vector<AvailabilityRow> BuildAvailabilityRows(const SimRegistry& registry, int hour,
                                                   int32_t firstOrder, int32_t secondOrder,
                                                   int orderHour);
