#pragma once
#include <cstdint>
#include <string>
#include <vector>

class SimCareerData;
class SimRegistry;

/// One row of the availability list: a Sim free at the list's hour.
struct AvailabilityRow {
    int32_t simId = -1;
    std::string name;   ///< "Name": the Sim's sort name ("last, first"), shown as UTF-8
    std::string hours;  ///< "Hours": the Sim's working hours, or "Unknown"
    bool male = false;  ///< the row's colour: blue for a male Sim, red for a female
    /// False for a Sim in a career the career table does not hold (all of them when
    /// the career file could not be read): its hours cannot be known, so it is listed
    /// at every hour with the hours "Unknown" rather than shown as free all day.
    bool hoursKnown = true;
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
/// asks about `orderHour` (the main window's current hour). Sims whose working hours
/// are unknown are listed too, marked so.
std::vector<AvailabilityRow> BuildAvailabilityRows(const SimRegistry& registry, int hour,
                                                   int32_t firstOrder, int32_t secondOrder,
                                                   int orderHour);

/// Whether the career table gives this placement's working hours: false for a career
/// code that names a career the table does not hold.
bool WorkingHoursKnown(const SimCareerData& career);

/// What the availability list says above its rows when some Sims' working hours are
/// unknown (the career file missing, or careers it lacks); empty when all are known.
std::string AvailabilityNote(const std::vector<AvailabilityRow>& rows);
