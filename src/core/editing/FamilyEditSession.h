#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "careers/SimCareerData.h"
#include "editing/FamilyEditRules.h"
#include "model/ChemistryEntry.h"
#include "model/ParentRef.h"
#include "model/SimRegistry.h"

class Family;
class Sim;

/// Everything of one Sim that editing can change, as plain values: what a
/// change records before and after, and what undoing it would write back.
struct SimState {
    int32_t id = -1;
    std::string firstName;
    std::string lastName;
    int32_t sign = 0;
    int32_t likes = 0;
    std::string signName;
    int32_t status = 3;
    int32_t partnerId = -1;
    bool male = false;
    bool townie = false;
    bool vampire = false;
    bool atCollege = false;
    std::vector<int32_t> friendIds;
    std::vector<ChemistryEntry> chemistry;
    bool momLinkPending = false;
    bool dadLinkPending = false;
    ParentRef mom;
    ParentRef dad;
    SimCareerData career;
    int32_t degree = 0;
    int32_t aspiration = 0;
};
SimState CaptureSimState(const Sim& sim);
/// True when the two Sims hold the same values in every field of SimState.
bool SameSimData(const Sim& a, const Sim& b);
/// Writes the values into the Sim (a new first name through the registry, so
/// that lookups by name stay right). Links are written as they are: the caller
/// writes every Sim a change touched, both sides of each link.
void WriteSimState(SimRegistry& registry, Sim& sim, const SimState& state);

/// What one OK of the family dialog changes in the neighborhood, with the
/// values before and after, so that it can be applied in one step (and
/// undone by writing the values before).
struct FamilyEdit {
    int32_t familyId = -1;
    std::string nameBefore;
    std::string nameAfter;
    /// Registered members removed, as they were.
    std::vector<SimState> removed;
    /// New members, in the order they join the family.
    std::vector<SimState> added;
    struct Change {
        SimState before;
        SimState after;
    };
    /// Every other Sim whose values changed: the edited members and the Sims
    /// linked to them (friends, chemistry, partners and former partners).
    std::vector<Change> changed;

    bool IsEmpty() const { return nameBefore == nameAfter && removed.empty() && added.empty() && changed.empty(); }
};

/// Applies a family edit to the neighborhood, whose family `familyId` must be
/// registered: removals, the changed Sims, the family's name, the new members;
/// then the family friends of every family concerned are recounted. The family
/// stays even when no member is left (`DropFamilyIfEmpty` is the caller's).
/// False when the family is not found (nothing is changed).
bool ApplyFamilyEdit(SimRegistry& registry, const FamilyEdit& edit);

/// The working copy a family dialog edits. Every Sim and family of the
/// neighborhood is copied with its id; the dialog, and every dialog it opens,
/// changes only the copy, so that Cancel leaves the neighborhood exactly as it
/// was, and OK hands back one `FamilyEdit` holding just what changed.
class FamilyEditSession {
public:
    /// `family` is a family of the neighborhood, or a new one not added yet
    /// (which the copy then holds as well).
    FamilyEditSession(const SimRegistry& neighborhood, const Family& family);
    FamilyEditSession(const FamilyEditSession&) = delete;
    FamilyEditSession& operator=(const FamilyEditSession&) = delete;

    SimRegistry& Work() { return work_; }
    Family& WorkFamily() { return *workFamily_; }
    PendingMembers& Pending() { return pending_; }

    /// Removes a registered member from the copy, its links dropped on both sides.
    bool RemoveMember(Sim& sim);
    /// What OK does: the copy's family takes the name, the waiting Sims join
    /// it, and the differences from the neighborhood are returned.
    FamilyEdit Finish(const std::string& name);

private:
    const SimRegistry& neighborhood_;
    SimRegistry work_;
    Family* workFamily_ = nullptr;
    std::string nameBefore_;
    std::vector<SimState> removed_;
    PendingMembers pending_{work_};
};
