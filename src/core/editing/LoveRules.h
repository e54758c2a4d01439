#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "model/ChemistryEntry.h"

class Family;
class Sim;
class SimRegistry;

/// The status name shown for a code; a code outside the status table shows "None".
std::string ShownStatusName(int32_t status);

/// The statuses "Make Match" offers for a life stage, in table order: never
/// "None"; "Married" only to Adults and Elders; "Committed" not to Children.
std::vector<int32_t> StatusChoices(int32_t lifeStage);

/// What the match filters ask for.
struct MatchFilter {
    bool ownFamily = false;
    bool otherGender = false;
    bool friendsOnly = false;
};

/// The families "Make Match" lists for the Sim: its own family alone with the
/// family filter, otherwise every family with a member passing the gender and
/// friends filters (judged by the members' own friend lists).
std::vector<const Family*> MatchFamilies(const SimRegistry& registry, const Sim& sim, const MatchFilter& filter);

/// The candidates of a family: its members without the Sim itself, of the other
/// gender with the gender filter, and among the Sim's friends with the friends filter.
std::vector<const Sim*> MatchCandidates(const Family& family, const Sim& sim, const MatchFilter& filter);

/// The match "Make Match" holds after its candidate list changed (a filter, a
/// family chosen): the Sim selected in the list, else the chosen one while the
/// list still shows it, else none (-1). A Sim the list no longer shows cannot
/// be committed by OK.
int32_t ListedCandidate(int32_t chosenId, const std::vector<int32_t>& listedIds, int selected);

/// Whether "Make Match" may close: "Single", or a partner chosen.
bool MatchChoiceComplete(int32_t status, int32_t partnerId);

/// Gives the Sim its status and partner, on both sides: the Sim's former partner
/// and the new partner's former partner both become Single without partner.
void ApplyMatch(SimRegistry& registry, Sim& sim, int32_t status, int32_t partnerId);

/// The chemistry picker's working list: a copy of the Sim's entries, one per
/// other Sim, that the picker changes and the caller writes on OK.
class ChemistrySelection {
public:
    ChemistrySelection(const SimRegistry& registry, const std::vector<ChemistryEntry>& start);
    /// False when the id names no Sim or is listed already.
    bool Add(int32_t simId, int32_t type);
    void Remove(int32_t simId);
    bool Contains(int32_t simId) const;
    const std::vector<ChemistryEntry>& Entries() const { return entries_; }
    /// "<other's full name>, <type name>" for each entry, in order.
    std::vector<std::string> Texts() const;

private:
    const SimRegistry& registry_;
    std::vector<ChemistryEntry> entries_;
};

/// Whether two chemistry lists hold the same entries in the same order (the
/// order decides what chemistry matching proposes).
bool SameChemistryList(const std::vector<ChemistryEntry>& a, const std::vector<ChemistryEntry>& b);

/// The Sim's chemistry entries as a list to edit.
std::vector<ChemistryEntry> ChemistryOf(const Sim& sim);

/// Rewrites the Sim's chemistry on both sides: old entries dropped on both
/// Sims, then each entry naming a Sim added, mirrored (a Sim that already had
/// an entry keeps its type).
void SaveChemistry(SimRegistry& registry, Sim& sim, const std::vector<ChemistryEntry>& entries);
