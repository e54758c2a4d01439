#include "chemistry/ChemMatching.h"

#include <unordered_set>

#include "base/Text.h"
#include "base/Translate.h"
#include "editing/LoveRules.h"
#include "model/Family.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"
#include "model/Vocabulary.h"

bool PassesMatchFilter(const Sim& sim, const ChemMatchOptions& options) {
    if (!options.married && (sim.status == kStatusMarried || sim.status == kStatusCommitted)) return false;
    if (!options.matchedUp && sim.status == kStatusMatchedUp) return false;
    return options.townies || !sim.townie;
}

namespace {

// The ids proposed so far. Ids handed out by the counters are dense from 1, so a
// bitmap serves them without hashing; other ids (hand-made records) go to a set.
class TakenIds {
public:
    explicit TakenIds(size_t denseLimit) : dense_(denseLimit, false) {}
    bool Contains(int32_t id) const {
        if (id >= 0 && static_cast<size_t>(id) < dense_.size()) return dense_[static_cast<size_t>(id)];
        return sparse_.count(id) != 0;
    }
    void Insert(int32_t id) {
        if (id >= 0 && static_cast<size_t>(id) < dense_.size()) dense_[static_cast<size_t>(id)] = true;
        else sparse_.insert(id);
    }

private:
    std::vector<bool> dense_;
    std::unordered_set<int32_t> sparse_;
};

}  // namespace

std::vector<MatchResult> GenerateMatchResults(const SimRegistry& registry, const ChemMatchOptions& options) {
    std::vector<MatchResult> results;
    for (const Family* family : registry.families)
        for (const Sim* sim : family->members)
            if (sim->LifeStage() == options.lifeStage && PassesMatchFilter(*sim, options))
                results.push_back({sim->id, -1, -1});

    // The partners proposed to earlier rows: a Sim is proposed to one row only.
    TakenIds taken(2 * registry.allSims.Count() + 64);
    for (MatchResult& result : results) {
        const Sim* sim = registry.FindSim(result.simId);
        if (sim == nullptr) continue;
        for (const ChemistryEntry& entry : sim->chemistry) {
            if (entry.type != kChemistryMedium && entry.type != kChemistryHigh) continue;
            // A hand-edited file can give a Sim chemistry with itself; it is
            // never its own partner.
            if (entry.simId == sim->id) continue;
            const Sim* other = registry.FindSim(entry.simId);
            if (other == nullptr || other == sim) continue;
            if (!options.differentAges && other->LifeStage() != options.lifeStage) continue;
            if (!PassesMatchFilter(*other, options)) continue;
            // The row's own proposal so far counts as taken too.
            if (other->id == result.partnerId || taken.Contains(other->id)) continue;
            if (entry.type > result.value) {
                result.partnerId = other->id;
                result.value = entry.type;
            }
        }
        if (result.partnerId != -1) taken.Insert(result.partnerId);
    }
    return results;
}

std::vector<MatchRow> MatchRows(const SimRegistry& registry, const std::vector<MatchResult>& results) {
    std::vector<MatchRow> rows;
    std::unordered_set<std::string> femaleColumn;  // lower-cased
    femaleColumn.reserve(results.size());
    rows.reserve(results.size());
    const std::string none = tr("NONE");
    for (size_t i = 0; i < results.size(); ++i) {
        const MatchResult& result = results[i];
        const Sim* sim = registry.FindSim(result.simId);
        if (sim == nullptr) continue;
        const Sim* partner = registry.FindSim(result.partnerId);
        const std::string partnerName = partner ? partner->ShownFullName() : none;
        MatchRow row;
        row.female = sim->male ? partnerName : sim->ShownFullName();
        row.male = sim->male ? sim->ShownFullName() : partnerName;
        if (result.value == kChemistryMedium || result.value == kChemistryHigh) row.type = ChemistryTypeText(result.value);
        row.resultIndex = i;
        const std::string& key = row.female == none ? row.male : row.female;
        if (femaleColumn.count(AsciiLower(key)) != 0) continue;
        femaleColumn.insert(AsciiLower(row.female));
        rows.push_back(std::move(row));
    }
    return rows;
}

bool IsValidMatch(const SimRegistry& registry, const MatchResult& result) {
    const Sim* sim = registry.FindSim(result.simId);
    const Sim* partner = registry.FindSim(result.partnerId);
    return sim != nullptr && partner != nullptr && sim != partner;
}

bool AcceptMatchResult(SimRegistry& registry, const MatchResult& result) {
    if (!IsValidMatch(registry, result)) return false;
    LinkPartners(registry, *registry.FindSim(result.simId), kStatusMatchedUp, *registry.FindSim(result.partnerId));
    return true;
}

namespace {

// A partner link the other side does not return (or one to the Sim itself)
// is damage: dropping it keeps the Sim it names out of the change.
void DropOneSidedLink(const SimRegistry& registry, Sim& sim) {
    if (sim.partnerId == -1) return;
    const Sim* partner = registry.FindSim(sim.partnerId);
    if (partner == nullptr || partner == &sim || partner->partnerId != sim.id) {
        registry.Touch(&sim);
        sim.partnerId = -1;
    }
}

}  // namespace

void LinkPartners(SimRegistry& registry, Sim& first, int32_t status, Sim& second) {
    DropOneSidedLink(registry, first);
    DropOneSidedLink(registry, second);
    ApplyMatch(registry, first, status, second.id);
}
