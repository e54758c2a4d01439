#include "app/MainListRows.h"

#include <algorithm>

#include "base/Text.h"
#include "base/Translate.h"
#include "model/Family.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"

FamilyRows BuildFamilyRows(SimRegistry& registry) {
    FamilyRows out;
    if (registry.IsEmpty()) {
        out.rows.push_back({tr("No Families Added"), nullptr});
        out.noFamilies = true;
        return out;
    }
    out.rows.reserve(registry.families.Count());
    for (Family* family : registry.families) {
        if (family->homeless) continue;
        std::string label = family->ListLabel(registry);
        if (label.empty()) continue;
        out.rows.push_back({std::move(label), family});
    }
    std::stable_sort(out.rows.begin(), out.rows.end(), [](const FamilyRow& a, const FamilyRow& b) {
        return CompareNoCase(a.label, b.label) < 0;
    });
    return out;
}

int RestoredSelection(int previousSelection, int rowCount) {
    if (rowCount <= 0) return -1;
    if (previousSelection < 0) return 0;
    // Several families can go at once (an eviction, a deletion that empties
    // a family), so a remembered row past the end goes to the last row.
    if (previousSelection >= rowCount) return rowCount - 1;
    return previousSelection;
}

SimRows BuildSimRows(const SimRegistry& registry, Family& family) {
    SimRows out;
    out.familyLabel = family.ListLabel(registry);
    out.rows.reserve(family.members.Count());
    for (Sim* member : family.members) out.rows.push_back({member->ListLabelWithFriends(), member});
    return out;
}
