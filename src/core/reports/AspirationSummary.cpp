#include "reports/AspirationSummary.h"

#include "base/Text.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"
#include "model/Vocabulary.h"
#include "reports/ReportText.h"

std::vector<AspirationRow> AspirationSummaryRows(SimRegistry& registry) {
    registry.BuildAspirationGroups();
    std::vector<AspirationRow> rows;
    for (int32_t a = 0; a < kAspirationCount; ++a)
        rows.push_back({a, AspirationText(a), registry.aspirationGroups[static_cast<size_t>(a)].size()});
    return rows;
}

std::vector<std::string> AspirationSimNames(const SimRegistry& registry, int32_t aspiration) {
    std::vector<std::string> names;
    if (aspiration < 0 || aspiration >= kAspirationCount) return names;
    for (int32_t position : registry.aspirationGroups[static_cast<size_t>(aspiration)]) {
        const Sim* sim = registry.SimAt(position);
        if (sim == nullptr || sim->LifeStage() == kLifeStageChild || sim->townie) continue;
        names.push_back(sim->ShownFullName());
    }
    SortForList(names);
    return names;
}

int32_t AspirationCodeForText(const std::string& text) {
    for (int32_t a = 0; a < kAspirationCount; ++a)
        if (CompareNoCase(AspirationText(a), text) == 0) return a;
    return -1;
}
