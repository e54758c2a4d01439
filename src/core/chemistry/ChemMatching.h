#pragma once
#include <cstdint>
#include <string>
#include <vector>

class Sim;
class SimRegistry;

/// The choices of "Chemistry Matching": the life stage (0 Elder, 1 Adult,
/// 2 Teen) and the four options, all off at start.
struct ChemMatchOptions {
    int32_t lifeStage = 2;
    bool townies = false;       // "&Include Townies"
    bool differentAges = false; // "&Allow different ages for match"
    bool matchedUp = false;     // "Ma&tched up"
    bool married = false;       // "Married/&Going Steady"
};

/// Whether a Sim may take part in a match under the options: Married and
/// Committed Sims only with "Married/Going Steady", Matched-up Sims only with
/// "Matched up", Townies only with "Include Townies".
bool PassesMatchFilter(const Sim& sim, const ChemMatchOptions& options);

/// One row of the matching: the Sim, and the proposed partner with the
/// chemistry type of the proposal (-1 for none). Ids, resolved when used, so a
/// result outlives Sims deleted meanwhile.
struct MatchResult {
    int32_t simId = -1;
    int32_t partnerId = -1;
    int32_t value = -1;
};

/// The matching: every Sim of the life stage that passes the filter, in
/// family and member order, with the first chemistry entry of its highest
/// type (High before Medium; "Crush or Love" never proposes). A Sim proposed
/// to one row is not proposed to a later one; an entry naming the Sim itself
/// is never a proposal.
std::vector<MatchResult> GenerateMatchResults(const SimRegistry& registry, const ChemMatchOptions& options);

/// One row of the results list as shown.
struct MatchRow {
    std::string female;
    std::string male;
    std::string type;
    size_t resultIndex = 0;  // the MatchResult the row stands for
};

/// The results list: each result as a pair (the Sim in the column of its
/// gender, the partner in the other) or opposite "NONE", leaving out a row
/// whose "Female" name (or, opposite "NONE", whose "Male" name) is already in
/// the "Female" column of an earlier row, compared without regard to case.
std::vector<MatchRow> MatchRows(const SimRegistry& registry, const std::vector<MatchResult>& results);

/// A proposal that can be accepted: its Sim and its partner both exist and
/// are two different Sims.
bool IsValidMatch(const SimRegistry& registry, const MatchResult& result);

/// Accepts a proposal: the former partners of both Sims become Single without
/// partner, and the two are "Matched up" to each other. False, changing
/// nothing, for a proposal that is not valid.
bool AcceptMatchResult(SimRegistry& registry, const MatchResult& result);

/// Links two Sims as partners with a status, on both sides: each one's former
/// partner that still points back at it becomes Single without partner; a
/// link of either that pointed at a Sim who no longer pointed back (or at the
/// Sim itself) is simply dropped, so no third Sim is unpaired by mistake.
void LinkPartners(SimRegistry& registry, Sim& first, int32_t status, Sim& second);
