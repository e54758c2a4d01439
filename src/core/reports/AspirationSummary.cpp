#include "reports/AspirationSummary.h"

#include "base/Text.h"
#include "base/Translate.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"
#include "model/Vocabulary.h"
#include "reports/ReportText.h"

namespace {

// Children and Townies have an aspiration in the file, but the summary is about the
// Sims the player plays: they are neither listed nor counted.
bool ListedForAspiration(const Sim* sim) {
    return sim != nullptr && sim->LifeStage() != kLifeStageChild && !sim->townie;
}

}  // namespace

std::vector<AspirationRow> AspirationSummaryRows(SimRegistry& registry) {
    registry.BuildAspirationGroups();
    std::vector<AspirationRow> rows;
    for (int32_t a = 0; a < kAspirationCount; ++a) {
        size_t count = 0;
        for (int32_t position : registry.aspirationGroups[static_cast<size_t>(a)])
            if (ListedForAspiration(registry.SimAt(position))) ++count;
        rows.push_back({a, AspirationText(a), count});
    }
    return rows;
}

size_t AspirationLeftOutCount(const SimRegistry& registry) {
    size_t leftOut = 0;
    for (const auto& group : registry.aspirationGroups)
        for (int32_t position : group)
            if (!ListedForAspiration(registry.SimAt(position))) ++leftOut;
    return leftOut;
}

std::string AspirationLeftOutNote(size_t leftOut) {
    return tr("Children and Townies are not counted or listed: ") + std::to_string(leftOut) + tr(" left out.");
}

std::vector<std::string> AspirationSimNames(const SimRegistry& registry, int32_t aspiration) {
    std::vector<std::string> names;
    if (aspiration < 0 || aspiration >= kAspirationCount) return names;
    for (int32_t position : registry.aspirationGroups[static_cast<size_t>(aspiration)]) {
        const Sim* sim = registry.SimAt(position);
        if (ListedForAspiration(sim)) names.push_back(sim->ShownFullName());
    }
    SortForList(names);
    return names;
}

int32_t AspirationCodeForText(const std::string& text) {
    for (int32_t a = 0; a < kAspirationCount; ++a)
        if (CompareNoCase(AspirationText(a), text) == 0) return a;
    return -1;
}
