#pragma once
#include <cstdint>
#include <set>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "chemistry/ChemSummary.h"
#include "social/MatchmakerSettings.h"

class Sim;
class SimRegistry;

/// The statuses a new pair of a life stage can get in the matchmaker: Adults
/// "Married", "Committed", "Matched up"; Teens "Committed", "Matched up";
/// any other stage only "Matched up".
std::vector<int32_t> MatchmakerStatusChoices(int32_t lifeStage);

/// One row of the matchmaker's pair list. The text ("female;male;status") is
/// what the row shows and sorts by; the two ids are what it stands for, so a
/// ';' in a name or two Sims of one full name cannot mix rows up.
struct PairRow {
    std::string text;
    std::string female;
    std::string male;
    int32_t status = 0;
    int32_t femaleId = -1;
    int32_t maleId = -1;
    /// Matched-up pairs show the pink heart, the others the red one.
    bool PinkHeart() const { return status == 4; }
};

/// The rules of "Neighborhood Match": the unattached females and males of the
/// shown life stages, the pairs that exist, and pairing and unpairing. The
/// lists are kept in the order the window shows them; every change of a Sim is
/// made at once in the neighborhood.
class MatchmakerLists {
public:
    explicit MatchmakerLists(SimRegistry& registry) : registry_(registry) {}

    /// Refills all three lists for `settings.currentAge` and the three options.
    /// False, with empty lists, when the neighborhood has no family.
    bool Fill(const MatchmakerSettings& settings);

    /// Lists the pair of a Sim that has a partner; a partner whose own status or
    /// partner disagrees is first repaired to agree (its former partner freed)
    /// and leaves the lists of singles. But when the partner's own link is to a
    /// third Sim whose link returns it, that pair stands: this Sim's one-sided
    /// link is cleared and the Sim is listed as single. False when no pair was
    /// listed: no partner, a cleared link, or the pair listed already.
    bool AddPairRow(Sim& sim);

    /// Pairs a listed female and male with a status: both former partners go
    /// Single, the pair is listed, the two leave their lists. False, changing
    /// nothing, when either Sim no longer exists.
    bool Pair(int32_t femaleId, int32_t maleId, int32_t status);

    /// Splits the pair of a row: both Sims become Single without partner and
    /// return to their lists, and the row goes (the pair can be listed again).
    /// False for a row that does not exist.
    bool Unpair(size_t row);

    /// Sorts the pair rows by the male name (column 1) or by the whole text
    /// (any other column), without regard to case.
    void SortRows(int column);

    const std::vector<SimEntry>& Females() const { return females_; }
    const std::vector<SimEntry>& Males() const { return males_; }
    const std::vector<PairRow>& Rows() const { return rows_; }
    /// Whether any Sim was changed since this object was made.
    bool Changed() const { return changed_; }

private:
    void AddEntry(const Sim& sim);
    void RemoveEntry(const Sim& sim);
    static std::pair<int32_t, int32_t> PairKey(int32_t a, int32_t b);

    SimRegistry& registry_;
    MatchmakerSettings settings_;
    std::vector<SimEntry> females_;
    std::vector<SimEntry> males_;
    std::vector<PairRow> rows_;
    std::set<std::pair<int32_t, int32_t>> listedPairs_;
    // While filling, entries to drop are gathered and dropped at the end, so
    // that repairs never walk the lists.
    bool filling_ = false;
    std::unordered_set<int32_t> dropped_;
    bool changed_ = false;
};
