#include "availability/AvailabilityRows.h"

#include "app/DisplayRows.h"
#include "app/SimOrder.h"
#include "base/Translate.h"
#include "base/Utf8Text.h"
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
            if (!IsAvailableWithHours(hours, sim->LifeStage(), false, hour)) continue;
            AvailabilityRow row;
            row.simId = sim->id;
            // Each name decoded on its own, as the other lists show them.
            row.name = TextAsUtf8(sim->ResolvedLastName());
            row.name += ", ";
            AppendAsUtf8(row.name, sim->firstName);
            row.hours = std::move(hours);
            row.male = sim->male;
            if (!order.OrdersNothing())
                keys.push_back(order.KeyFor(*sim, IsAvailableWithHours(row.hours, sim->LifeStage(), false, keyHour)));
            rows.push_back(std::move(row));
        }
    }
    if (order.OrdersNothing()) return rows;
    std::vector<AvailabilityRow> sorted;
    sorted.reserve(rows.size());
    for (size_t index : order.Sort(keys)) sorted.push_back(std::move(rows[index]));
    return sorted;
}
