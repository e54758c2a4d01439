#include "editing/FamilyEditRules.h"

#include <algorithm>

#include "base/Translate.h"
#include "editing/BasicInfoRules.h"
#include "model/Family.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"
#include "model/Vocabulary.h"

std::string CheckFamilyNameText(const std::string& name) {
    if (name.find(']') != std::string::npos) return tr("A family name cannot hold the character ']'.");
    if (name.find_first_of("\r\n") != std::string::npos) return tr("A family name cannot hold a line break.");
    return {};
}

std::string CheckFamilyOk(const SimRegistry& registry, const Family& family, std::string& name, int listedMembers) {
    name = TrimBlanks(name);
    if (name.empty()) return tr("Please enter a family name!");
    if (listedMembers <= 0) return tr("Please add at least one member to the family!");
    if (std::string problem = CheckFamilyNameText(name); !problem.empty()) return problem;
    if (!registry.IsFamilyNameFree(name, family.id)) return tr("This last name is already taken.");
    return {};
}

void UnlinkUnregistered(SimRegistry& registry, Sim& sim, const std::vector<Sim*>& others) {
    // Registered Sims are found by id as usual.
    sim.Detach(registry);
    if (Sim* partner = registry.FindSim(sim.partnerId); partner && partner->partnerId == sim.id) {
        registry.Touch(partner);
        partner->status = kStatusSingle;
        partner->partnerId = -1;
    }
    // Waiting Sims are not in the registry, so their links are looked at here.
    // A waiting child keeps the discarded Sim as a typed-in parent, as the
    // registry does for Sims it deletes.
    auto keepParent = [&](ParentRef& ref) {
        if ((ref.isSim || ref.name.empty()) && ref.simId == sim.id) ref.SetNameOf(sim);
    };
    for (Sim* other : others) {
        if (other == &sim) continue;
        other->RemoveFriend(sim.id);
        other->RemoveChemistry(sim.id);
        if (other->partnerId == sim.id) {
            other->status = kStatusSingle;
            other->partnerId = -1;
        }
        keepParent(other->mom);
        keepParent(other->dad);
    }
    sim.partnerId = -1;
    sim.status = kStatusSingle;
}

PendingMembers::~PendingMembers() { DiscardAll(); }

std::unique_ptr<Sim> PendingMembers::MakeBlank(Family& family) const {
    auto sim = registry_.NewSim("", family.name, 0, true);
    sim->family = &family;
    return sim;
}

Sim* PendingMembers::Add(std::unique_ptr<Sim> sim) {
    sims_.push_back(std::move(sim));
    return sims_.back().get();
}

std::vector<Sim*> PendingMembers::Others(const Sim* except) const {
    std::vector<Sim*> others;
    for (const auto& s : sims_)
        if (s.get() != except) others.push_back(s.get());
    return others;
}

void PendingMembers::Discard(std::unique_ptr<Sim> sim) {
    if (!sim) return;
    UnlinkUnregistered(registry_, *sim, Others(sim.get()));
    sim->family = nullptr;
}

void PendingMembers::Discard(Sim* sim) {
    auto it = std::find_if(sims_.begin(), sims_.end(), [&](const auto& s) { return s.get() == sim; });
    if (it == sims_.end()) return;
    std::unique_ptr<Sim> owned = std::move(*it);
    sims_.erase(it);
    Discard(std::move(owned));
}

void PendingMembers::DiscardAll() {
    while (!sims_.empty()) Discard(sims_.back().get());
}

bool PendingMembers::Contains(const Sim* sim) const {
    return std::any_of(sims_.begin(), sims_.end(), [&](const auto& s) { return s.get() == sim; });
}

std::vector<const Sim*> PendingMembers::View() const {
    std::vector<const Sim*> view;
    for (const auto& s : sims_) view.push_back(s.get());
    return view;
}

void PendingMembers::CommitTo(Family& family) {
    std::vector<std::unique_ptr<Sim>> waiting = std::move(sims_);
    sims_.clear();
    for (size_t i = 0; i < waiting.size(); ++i) {
        std::unique_ptr<Sim>& sim = waiting[i];
        if (family.HasMember(sim->firstName, family.name)) {
            // The registry would refuse it; take its links away before it goes.
            std::vector<Sim*> others;
            for (size_t j = i + 1; j < waiting.size(); ++j) others.push_back(waiting[j].get());
            UnlinkUnregistered(registry_, *sim, others);
            sim.reset();
            continue;
        }
        sim->lastName = family.name;
        registry_.AddSim(std::move(sim), false, &family);
    }
    family.RecountFriends(registry_);
}

bool RemoveMemberKeepingFamily(SimRegistry& registry, Sim& sim) {
    if (Family* family = sim.family) {
        family->RemoveMember(&sim);
        sim.family = nullptr;
    }
    return registry.RemoveSim(&sim);
}

bool DropFamilyIfEmpty(SimRegistry& registry, Family* family) {
    if (!family || !registry.families.Contains(family) || !family->members.IsEmpty()) return false;
    return registry.RemoveFamily(family);
}

std::vector<MemberRow> FamilyMemberRows(const SimRegistry& registry, const Family& family,
                                        const std::vector<const Sim*>& pending) {
    std::vector<MemberRow> rows;
    auto add = [&](const Sim* sim) {
        const Sim* partner = sim->Partner(registry);
        rows.push_back({sim->id, sim->ShownFullName(), LifeStageText(sim->LifeStage()),
                        partner ? partner->ShownFullName() : std::string()});
    };
    for (const Sim* member : family.members) add(member);
    for (const Sim* sim : pending) add(sim);
    return rows;
}

std::vector<std::string> FamilyFriendNames(const SimRegistry& registry, const Family& family) {
    std::vector<std::string> names;
    names.reserve(family.friendIds.size());
    for (int32_t id : family.friendIds) {
        const Sim* sim = registry.FindSim(id);
        names.push_back(sim ? sim->ShownFullName() : std::string());
    }
    return names;
}
