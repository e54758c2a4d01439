#include "editing/LoveRules.h"

#include <algorithm>

#include "base/Translate.h"
#include "model/Family.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"
#include "model/Vocabulary.h"

std::string ShownStatusName(int32_t status) {
    const std::string text = StatusText(status);
    return text.empty() ? StatusText(kStatusNone) : text;
}

std::vector<int32_t> StatusChoices(int32_t lifeStage) {
    std::vector<int32_t> codes;
    const bool grownUp = lifeStage == kLifeStageElder || lifeStage == kLifeStageAdult;
    for (int32_t code = 0; code < kStatusCount; ++code) {
        if (code == kStatusNone) continue;
        if (code == kStatusMarried && !grownUp) continue;
        if (code == kStatusCommitted && lifeStage == kLifeStageChild) continue;
        codes.push_back(code);
    }
    return codes;
}

std::vector<const Family*> MatchFamilies(const SimRegistry& registry, const Sim& sim, const MatchFilter& filter) {
    std::vector<const Family*> out;
    if (filter.ownFamily) {
        if (sim.family) out.push_back(sim.family);
        return out;
    }
    const int male = filter.otherGender ? (sim.male ? 0 : 1) : -1;
    const int32_t friendId = filter.friendsOnly ? sim.id : -1;
    for (const Family* family : registry.families)
        if (family->HasMemberWith(male, friendId)) out.push_back(family);
    return out;
}

std::vector<const Sim*> MatchCandidates(const Family& family, const Sim& sim, const MatchFilter& filter) {
    std::vector<const Sim*> out;
    for (const Sim* member : family.members) {
        if (member == &sim || member->id == sim.id) continue;
        if (filter.otherGender && member->male == sim.male) continue;
        if (filter.friendsOnly && !sim.HasFriend(member->id)) continue;
        out.push_back(member);
    }
    return out;
}

int32_t ListedCandidate(int32_t chosenId, const std::vector<int32_t>& listedIds, int selected) {
    if (selected >= 0 && selected < static_cast<int>(listedIds.size())) return listedIds[static_cast<size_t>(selected)];
    if (chosenId != -1 && std::find(listedIds.begin(), listedIds.end(), chosenId) != listedIds.end()) return chosenId;
    return -1;
}

bool MatchChoiceComplete(int32_t status, int32_t partnerId) { return status == kStatusSingle || partnerId != -1; }

void ApplyMatch(SimRegistry& registry, Sim& sim, int32_t status, int32_t partnerId) {
    if (status == kStatusSingle) partnerId = -1;
    // The new partner leaves its former partner, who must not keep pointing at it.
    if (Sim* partner = registry.FindSim(partnerId); partner && partner->partnerId != -1 && partner->partnerId != sim.id) {
        if (Sim* former = registry.FindSim(partner->partnerId); former && former->partnerId == partner->id) {
            registry.Touch(former);
            former->status = kStatusSingle;
            former->partnerId = -1;
        }
    }
    // A partner id that names no Sim is not kept.
    if (partnerId != -1 && !registry.FindSim(partnerId)) partnerId = -1;
    sim.SetPartner(registry, status, partnerId);
}

ChemistrySelection::ChemistrySelection(const SimRegistry& registry, const std::vector<ChemistryEntry>& start)
    : registry_(registry) {
    for (const ChemistryEntry& e : start) Add(e.simId, e.type);
}

bool ChemistrySelection::Contains(int32_t simId) const {
    return std::any_of(entries_.begin(), entries_.end(), [&](const ChemistryEntry& e) { return e.simId == simId; });
}

bool ChemistrySelection::Add(int32_t simId, int32_t type) {
    if (!registry_.FindSim(simId) || Contains(simId)) return false;
    entries_.emplace_back(simId, type);
    return true;
}

void ChemistrySelection::Remove(int32_t simId) {
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(), [&](const ChemistryEntry& e) { return e.simId == simId; }),
                   entries_.end());
}

std::vector<std::string> ChemistrySelection::Texts() const {
    std::vector<std::string> texts;
    for (const ChemistryEntry& e : entries_) texts.push_back(e.OtherFullName(registry_) + ", " + e.TypeName());
    return texts;
}

bool SameChemistryList(const std::vector<ChemistryEntry>& a, const std::vector<ChemistryEntry>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const ChemistryEntry& x, const ChemistryEntry& y) {
        return x.simId == y.simId && x.type == y.type;
    });
}

std::vector<ChemistryEntry> ChemistryOf(const Sim& sim) {
    return std::vector<ChemistryEntry>(sim.chemistry.begin(), sim.chemistry.end());
}

void SaveChemistry(SimRegistry& registry, Sim& sim, const std::vector<ChemistryEntry>& entries) {
    sim.ClearChemistry(registry);
    for (const ChemistryEntry& e : entries)
        if (e.simId != sim.id && registry.FindSim(e.simId)) sim.AddChemistry(registry, e.simId, e.type, true);
}
