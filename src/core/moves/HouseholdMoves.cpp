#include "moves/HouseholdMoves.h"

#include <memory>

#include "base/Translate.h"
#include "base/Utf8Text.h"
#include "editing/BasicInfoRules.h"
#include "model/Family.h"
#include "model/FamilyList.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"

std::vector<HomelessRow> HomelessRows(const FamilyList& families) {
    std::vector<HomelessRow> rows;
    for (const Family* family : families) {
        if (!family->homeless) continue;
        rows.push_back({family->id, TextAsUtf8(family->name), family->memberCount, MemberFirstNames(*family)});
    }
    // Each row went on top of the list: the reverse of the family list's order.
    return {rows.rbegin(), rows.rend()};
}

std::string MemberFirstNames(const Family& family) {
    std::string text;
    for (const Sim* member : family.members) {
        if (!text.empty()) text += ", ";
        // Decoded one by one: members read from an older file and members added since
        // can hold their names in different encodings.
        AppendAsUtf8(text, member->firstName);
    }
    return text;
}

std::string FamilyNameProblem(const SimRegistry& registry, const std::string& name) {
    if (name.find_first_not_of(" \t") == std::string::npos) return tr("Please enter a name for the new family.");
    if (name.find_first_of("]\r\n") != std::string::npos)
        return tr("A family name cannot contain ']' or a line break.");
    // Blanks around the name go, as in the family dialog, so "Lee " is Lee's name.
    if (!registry.IsFamilyNameFree(TrimBlanks(name), -1)) return tr("The new name is already taken.");
    return {};
}

std::string MoveOutSelectionProblem(size_t selected, size_t total) {
    if (selected >= total && total > 0)
        return tr("If you would like to move out all sims, use the Evict menu option instead.");
    if (selected == 0) return tr("Please select one or more sims to move out.");
    return {};
}

Family* MoveOut(SimRegistry& registry, Family& from, const std::vector<int32_t>& simIds, const std::string& name,
                std::string* problem) {
    std::vector<Sim*> movers;
    for (int32_t id : simIds) {
        Sim* sim = registry.FindSim(id);
        if (sim != nullptr && sim->family == &from && from.members.Contains(sim)) movers.push_back(sim);
    }
    std::string why = MoveOutSelectionProblem(movers.size(), static_cast<size_t>(from.members.Count()));
    if (why.empty()) why = FamilyNameProblem(registry, name);
    if (!why.empty()) {
        if (problem != nullptr) *problem = why;
        return nullptr;
    }
    Family* moved = registry.AddFamily(registry.NewFamily(TrimBlanks(name)));
    moved->homeless = true;
    registry.Touch(&from);
    for (Sim* sim : movers) {
        registry.Touch(sim);
        from.RemoveMember(sim);
        sim->family = moved;
        // The members came from one family, so their first names differ.
        moved->AddMember(registry, sim);
        registry.ReindexSim(*sim);
    }
    return moved;
}

std::string TransferProblem(const Sim& sim, const Family& to) {
    if (sim.family == &to) return tr("The Sim already belongs to this family.");
    for (const Sim* member : to.members) {
        if (member->firstName == sim.firstName) {
            std::string text = tr("The family %s already has a member called %s.");
            const size_t first = text.find("%s");
            if (first != std::string::npos) text.replace(first, 2, to.name);
            const size_t second = text.find("%s", first == std::string::npos ? 0 : first + to.name.size());
            if (second != std::string::npos) text.replace(second, 2, sim.firstName);
            return text;
        }
    }
    return {};
}

bool TransferSim(SimRegistry& registry, Sim& sim, Family& to, std::string* problem) {
    const std::string why = TransferProblem(sim, to);
    if (!why.empty()) {
        if (problem != nullptr) *problem = why;
        return false;
    }
    Family* from = sim.family;
    registry.Touch(&sim);
    registry.Touch(from);
    if (from != nullptr) from->RemoveMember(&sim);
    sim.family = &to;
    if (!to.AddMember(registry, &sim)) {
        // Not expected after the check above; the Sim must never be left in no family.
        sim.family = from;
        if (from != nullptr) from->AddMember(registry, &sim);
        if (problem != nullptr) *problem = tr("The Sim could not join the family.");
        return false;
    }
    registry.ReindexSim(sim);
    if (from != nullptr) {
        if (from->memberCount <= 0)
            registry.RemoveFamily(from);
        else
            from->RecountFriends(registry);
    }
    to.RecountFriends(registry);
    return true;
}
