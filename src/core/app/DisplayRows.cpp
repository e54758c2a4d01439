#include "app/DisplayRows.h"

#include <unordered_set>
#include <utility>

#include "app/SimOrder.h"
#include "base/Translate.h"
#include "model/Sim.h"
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
    for (int32_t id : request.ids) {
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
