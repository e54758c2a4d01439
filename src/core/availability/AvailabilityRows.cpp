#include "availability/AvailabilityRows.h"

#include "app/DisplayRows.h"
#include "app/SimOrder.h"
#include "base/Translate.h"
#include "base/Utf8Text.h"
#include "careers/SimCareerData.h"
#include "model/Family.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"
#include "model/Vocabulary.h"

int AvailabilityHourForEntry(int entry) {
    if (entry < 0 || entry >= kHourEntryCount) return kFirstHour;
    return HourValueForIndex(entry);
}

int AvailabilityEntryForHour(int hour) {
    if (hour < kFirstHour || hour > kLastHour) return 0;
    return hour - kFirstHour;
}

std::string AvailabilityTitle(int hour) {
    return tr("Availability List for: ") + std::to_string(hour) + ":00";
}

std::vector<AvailabilityRow> BuildAvailabilityRows(const SimRegistry& registry, int hour,
                                                   int32_t firstOrder, int32_t secondOrder,
                                                   int orderHour) {
    std::vector<AvailabilityRow> rows;
    std::vector<SimOrderKey> keys;
    const int keyHour = ClampDisplayHour(orderHour);
    const SimOrder order(firstOrder, secondOrder, keyHour);
    for (const Family* family : registry.families) {
        // A homeless family's Sims are nowhere to be met, whatever their hours.
        if (family->homeless) continue;
        family->members.PrefetchItems();
        for (const Sim* sim : family->members) {
            // The hours are read once per Sim; most Sims of a large neighborhood are
            // busy at any one hour and cost no more than this.
            std::string hours = sim->CareerHours();
            const bool known = WorkingHoursKnown(sim->career);
            if (known && !IsAvailableWithHours(hours, sim->LifeStage(), false, hour)) continue;
            AvailabilityRow row;
            row.hoursKnown = known;
            row.simId = sim->id;
            // Each name decoded on its own, as the other lists show them.
            row.name = TextAsUtf8(sim->ResolvedLastName());
            row.name += ", ";
            AppendAsUtf8(row.name, sim->firstName);
            row.male = sim->male;
            // The order key asks what the main window's lists show for the Sim.
            if (!order.OrdersNothing())
                keys.push_back(order.KeyFor(*sim, IsAvailableWithHours(hours, sim->LifeStage(), false, keyHour)));
            row.hours = known ? std::move(hours) : tr("Unknown");
            rows.push_back(std::move(row));
        }
    }
    if (order.OrdersNothing()) return rows;
    std::vector<AvailabilityRow> sorted;
    sorted.reserve(rows.size());
    for (size_t index : order.Sort(keys)) sorted.push_back(std::move(rows[index]));
    return sorted;
}

bool WorkingHoursKnown(const SimCareerData& career) {
    return career.definition != nullptr || career.careerCode <= kCareerEmployee;
}

std::string AvailabilityNote(const std::vector<AvailabilityRow>& rows) {
    for (const AvailabilityRow& row : rows)
        if (!row.hoursKnown)
            return tr("Working hours are unknown without the career file. Sims whose hours are unknown "
                      "show \"Unknown\": they may be at work.");
    return std::string();
}
