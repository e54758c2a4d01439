#include "app/DisplayRows.h"

#include <unordered_set>
#include <utility>

#include "app/SimOrder.h"
#include "base/Translate.h"
#include "model/Sim.h"
#include "model/Family.h"
#include "model/SimRegistry.h"
#include "model/Vocabulary.h"

int ClampDisplayHour(int hour) { return (hour < kFirstHour || hour > kLastHour) ? kFirstHour : hour; }

namespace {

DisplayRow NoFriendsRow(const ProgramSettings& settings) {
    DisplayRow row;
    row.nameAndSign = tr("No friends found");
    row.textColor = settings.lcColor;
    row.backgroundColor = settings.lcBgColor;
    return row;
}

void ColourRow(DisplayRow& row, bool available, bool male, const ProgramSettings& settings) {
    if (available && settings.highlight == 1) {
        row.textColor = settings.hlColor;
        row.backgroundColor = settings.hlBgColor;
        return;
    }
    row.textColor = settings.lcColor;
    row.backgroundColor = settings.lcBgColor;
    if (settings.highlight == 2) row.textColor = male ? kMaleTextColor : kFemaleTextColor;
}

void PrefetchSim(const SimRegistry& registry, int32_t id) {
#if defined(__GNUC__)
    if (const Sim* sim = registry.FindSim(id)) {
        __builtin_prefetch(&sim->family);
        __builtin_prefetch(&sim->career);
    }
#else
    (void)registry, (void)id;
#endif
}

void PrefetchFamilyName(const SimRegistry& registry, int32_t id) {
#if defined(__GNUC__)
    const Sim* sim = registry.FindSim(id);
    if (sim && sim->family) {
        __builtin_prefetch(&sim->family->name);
        __builtin_prefetch(sim->family->name.data());
    }
#else
    (void)registry, (void)id;
#endif
}

}  // namespace

std::vector<DisplayRow> BuildDisplayRows(const DisplayRequest& request,
                                         const SimRegistry& registry,
                                         const ProgramSettings& settings) {
    std::vector<DisplayRow> rows;
    if (request.ids.empty()) {
        rows.push_back(NoFriendsRow(settings));
        return rows;
    }
    const int hour = ClampDisplayHour(request.hour);

    // One hash look-up per row instead of a walk of the friend list: a Sim
    // with many friends and thousands of candidates stays linear.
    std::unordered_set<int32_t> friends;
    if (!request.allFriends && request.reference)
        friends.insert(request.reference->friendIds.begin(), request.reference->friendIds.end());

    const std::string yes = YesText();
    const std::string no = NoText();
    const std::string homeless = tr("**");
    const SimOrder order(settings.firstOrder, settings.secondOrder, hour);

    rows.reserve(request.ids.size());
    std::vector<SimOrderKey> keys;
    keys.reserve(request.ids.size());
    // Each row reads a Sim, then its family and the family's name, which lie
    // anywhere in a large neighborhood: ask for the Sims some rows ahead and
    // for their families' names a few rows ahead, so the reads overlap.
    constexpr size_t kSimAhead = 8, kFamilyAhead = 4;
    const std::vector<int32_t>& ids = request.ids;
    for (size_t k = 0; k < ids.size(); ++k) {
        if (k + kSimAhead < ids.size()) PrefetchSim(registry, ids[k + kSimAhead]);
        if (k + kFamilyAhead < ids.size()) PrefetchFamilyName(registry, ids[k + kFamilyAhead]);
        const int32_t id = ids[k];
        if (id < 0) continue;
        const Sim* sim = registry.FindSim(id);
        if (!sim) continue;
        DisplayRow row;
        row.simId = id;
        row.nameAndSign = sim->ListLabel();
        row.friendText = (request.allFriends || friends.count(id)) ? yes : no;
        row.hours = sim->CareerHours();
        const bool isHomeless = sim->IsHomeless();
        const bool available =
            IsAvailableWithHours(row.hours, sim->LifeStage(), isHomeless, hour);
        row.availableText = isHomeless ? homeless : available ? yes : no;
        ColourRow(row, available, sim->male, settings);
        rows.push_back(std::move(row));
        keys.push_back(order.KeyFor(*sim, available));
    }

    if (order.OrdersNothing()) return rows;
    std::vector<DisplayRow> sorted;
    sorted.reserve(rows.size());
    for (size_t index : order.Sort(keys)) sorted.push_back(std::move(rows[index]));
    return sorted;
}
