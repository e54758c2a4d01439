#include "editing/FamilyEditSession.h"

#include <memory>
#include <set>

#include "editing/SimEdit.h"
#include "model/Family.h"
#include "model/Sim.h"

namespace {
bool SameChemistry(const MatchList& a, const MatchList& b) {
    if (a.Count() != b.Count()) return false;
    auto j = b.begin();
    for (auto i = a.begin(); i != a.end(); ++i, ++j)
        if (i->simId != j->simId || i->type != j->type) return false;
    return true;
}

bool SameParent(const ParentRef& a, const ParentRef& b) {
    return a.name == b.name && a.simId == b.simId && a.isSim == b.isSim;
}

std::unique_ptr<Sim> NewSimFrom(const SimState& state) {
    return std::make_unique<Sim>(state.firstName, state.lastName, state.sign, state.id, state.male);
}
}  // namespace

SimState CaptureSimState(const Sim& sim) {
    SimState s;
    s.id = sim.id;
    s.firstName = sim.firstName;
    s.lastName = sim.lastName;
    s.sign = sim.sign;
    s.likes = sim.likes;
    s.signName = sim.signName;
    s.status = sim.status;
    s.partnerId = sim.partnerId;
    s.male = sim.male;
    s.townie = sim.townie;
    s.vampire = sim.vampire;
    s.atCollege = sim.atCollege;
    s.friendIds = sim.friendIds;
    s.chemistry.assign(sim.chemistry.begin(), sim.chemistry.end());
    s.momLinkPending = sim.momLinkPending;
    s.dadLinkPending = sim.dadLinkPending;
    s.mom = sim.mom;
    s.dad = sim.dad;
    s.career = sim.career;
    s.degree = sim.degree;
    s.aspiration = sim.aspiration;
    return s;
}

bool SameSimData(const Sim& a, const Sim& b) {
    return a.id == b.id && a.firstName == b.firstName && a.lastName == b.lastName && a.sign == b.sign &&
           a.likes == b.likes && a.signName == b.signName && a.status == b.status && a.partnerId == b.partnerId &&
           a.male == b.male && a.townie == b.townie && a.vampire == b.vampire && a.atCollege == b.atCollege &&
           a.friendIds == b.friendIds && SameChemistry(a.chemistry, b.chemistry) &&
           a.momLinkPending == b.momLinkPending && a.dadLinkPending == b.dadLinkPending &&
           SameParent(a.mom, b.mom) && SameParent(a.dad, b.dad) && SameCareerRecord(a.career, b.career) &&
           a.degree == b.degree && a.aspiration == b.aspiration;
}

void WriteSimState(SimRegistry& registry, Sim& sim, const SimState& state) {
    registry.Touch(&sim);
    if (sim.firstName != state.firstName) registry.RenameSim(sim, state.firstName);
    sim.lastName = state.lastName;
    sim.sign = state.sign;
    sim.likes = state.likes;
    sim.signName = state.signName;
    sim.status = state.status;
    sim.partnerId = state.partnerId;
    sim.male = state.male;
    sim.townie = state.townie;
    sim.vampire = state.vampire;
    sim.atCollege = state.atCollege;
    sim.friendIds = state.friendIds;
    sim.chemistry.Clear();
    for (const ChemistryEntry& e : state.chemistry) sim.chemistry.Append(e.simId, e.type);
    sim.momLinkPending = state.momLinkPending;
    sim.dadLinkPending = state.dadLinkPending;
    sim.mom = state.mom;
    sim.dad = state.dad;
    sim.career = state.career;
    sim.degree = state.degree;
    sim.aspiration = state.aspiration;
}

bool ApplyFamilyEdit(SimRegistry& registry, const FamilyEdit& edit) {
    Family* family = registry.families.FindById(edit.familyId);
    if (!family) return false;
    std::set<Family*> touched{family};
    for (const SimState& gone : edit.removed) {
        Sim* sim = registry.FindSim(gone.id);
        if (sim && sim->family == family) RemoveMemberKeepingFamily(registry, *sim);
    }
    for (const FamilyEdit::Change& change : edit.changed) {
        Sim* sim = registry.FindSim(change.after.id);
        if (!sim) continue;
        WriteSimState(registry, *sim, change.after);
        if (sim->family) touched.insert(sim->family);
    }
    if (family->name != edit.nameAfter) registry.RenameFamily(*family, edit.nameAfter);
    for (const SimState& state : edit.added)
        if (Sim* sim = registry.AddSim(NewSimFrom(state), false, family)) WriteSimState(registry, *sim, state);
    for (Family* f : touched)
        if (registry.families.Contains(f)) f->RecountFriends(registry);
    return true;
}

FamilyEditSession::FamilyEditSession(const SimRegistry& neighborhood, const Family& family)
    : neighborhood_(neighborhood), nameBefore_(family.name) {
    work_.SetIdCounters(neighborhood.Counters());
    work_.SetPrompter(&neighborhood.GetPrompter());
    // Families first, in their order, then each family's members in theirs, so
    // the copy lists everything as the neighborhood does.
    std::vector<std::pair<const Family*, Family*>> copies;
    auto copyFamily = [&](const Family& from) {
        auto copy = std::make_unique<Family>(from.name, from.id);
        copy->homeless = from.homeless;
        Family* to = work_.AddFamily(std::move(copy));
        copies.emplace_back(&from, to);
        return to;
    };
    for (const Family* f : neighborhood.families) {
        Family* to = copyFamily(*f);
        if (f == &family) workFamily_ = to;
    }
    if (!workFamily_) workFamily_ = copyFamily(family);
    for (const auto& [from, to] : copies) {
        for (const Sim* member : from->members) {
            const SimState state = CaptureSimState(*member);
            if (Sim* copy = work_.AddSim(NewSimFrom(state), false, to)) WriteSimState(work_, *copy, state);
        }
    }
    // The friend counts exactly as the neighborhood holds them.
    for (const auto& [from, to] : copies) {
        to->friendIds = from->friendIds;
        to->friendCounts = from->friendCounts;
        to->friendCount = from->friendCount;
    }
}

bool FamilyEditSession::RemoveMember(Sim& sim) {
    if (pending_.Contains(&sim) || !work_.allSims.Contains(&sim)) return false;
    if (const Sim* original = neighborhood_.FindSim(sim.id))
        removed_.push_back(CaptureSimState(*original));
    return RemoveMemberKeepingFamily(work_, sim);
}

FamilyEdit FamilyEditSession::Finish(const std::string& name) {
    if (workFamily_->name != name) work_.RenameFamily(*workFamily_, name);
    pending_.CommitTo(*workFamily_);
    FamilyEdit edit;
    edit.familyId = workFamily_->id;
    edit.nameBefore = nameBefore_;
    edit.nameAfter = name;
    edit.removed = removed_;
    for (const Sim* sim : work_.allSims) {
        const Sim* original = neighborhood_.FindSim(sim->id);
        if (!original) {
            edit.added.push_back(CaptureSimState(*sim));
        } else if (!SameSimData(*original, *sim)) {
            edit.changed.push_back({CaptureSimState(*original), CaptureSimState(*sim)});
        }
    }
    return edit;
}
