#include "editing/FriendsRules.h"

#include <algorithm>
#include <cctype>

#include "model/Sim.h"
#include "model/SimRegistry.h"
#include "model/Vocabulary.h"

namespace {
std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}
}  // namespace

std::vector<FriendRow> FriendRows(const SimRegistry& registry, const std::vector<int32_t>& ids) {
    std::vector<FriendRow> rows;
    for (int32_t id : ids) {
        const Sim* sim = registry.FindSim(id);
        if (!sim) continue;
        rows.push_back({id, sim->ShownFullName(), GenderTextForMale(sim->male), LifeStageText(sim->LifeStage()),
                        sim->male, sim->LifeStage()});
    }
    return rows;
}

void SortFriendRows(std::vector<FriendRow>& rows, int column) {
    std::stable_sort(rows.begin(), rows.end(), [column](const FriendRow& a, const FriendRow& b) {
        if (column == 1) return a.male < b.male;
        if (column == 2) return a.lifeStage > b.lifeStage;
        return Lower(a.name) < Lower(b.name);
    });
}

void SaveFriends(SimRegistry& registry, Sim& sim, const std::vector<int32_t>& ids) {
    sim.ClearFriends(registry);
    for (int32_t id : ids)
        if (id != sim.id && registry.FindSim(id)) sim.AddFriend(registry, id, true);
    if (sim.family) sim.family->RecountFriends(registry);
}

bool SameFriendSet(std::vector<int32_t> a, std::vector<int32_t> b) {
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return a == b;
}

FriendSelection::FriendSelection(const SimRegistry& registry, const std::vector<int32_t>& start)
    : registry_(registry) {
    // Ids that no longer name a Sim are simply not taken over.
    for (int32_t id : start) Add(id);
}

bool FriendSelection::Add(int32_t simId) {
    const Sim* sim = registry_.FindSim(simId);
    if (!sim) return false;
    const std::string name = Lower(sim->FullName());
    for (int32_t id : ids_) {
        const Sim* other = registry_.FindSim(id);
        if (other && Lower(other->FullName()) == name) return false;
    }
    ids_.push_back(simId);
    return true;
}

void FriendSelection::Remove(int32_t simId) { ids_.erase(std::remove(ids_.begin(), ids_.end(), simId), ids_.end()); }

std::vector<int32_t> FriendSelection::Ids() const {
    std::vector<std::pair<std::string, int32_t>> named;
    for (int32_t id : ids_)
        if (const Sim* sim = registry_.FindSim(id)) named.emplace_back(Lower(sim->FullName()), id);
    std::stable_sort(named.begin(), named.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<int32_t> out;
    for (const auto& n : named) out.push_back(n.second);
    return out;
}

std::vector<std::string> FriendSelection::Names() const {
    std::vector<std::string> names;
    for (int32_t id : Ids()) names.push_back(registry_.FindSim(id)->ShownFullName());
    return names;
}
