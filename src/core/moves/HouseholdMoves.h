#pragma once
#include <cstdint>
#include <string>
#include <vector>

class Family;
class FamilyList;
class Sim;
class SimRegistry;

/// One row of the homeless families' list.
struct HomelessRow {
    int32_t familyId = -1;
    std::string name;     // as shown: UTF-8
    int32_t memberCount = 0;
    std::string members;  // first names joined by ", ", each decoded on its own (UTF-8)
};

/// The homeless families as the list shows them: each row is put on top of the
/// ones before it, so the last homeless family of the list comes first.
std::vector<HomelessRow> HomelessRows(const FamilyList& families);

/// The first names of a family's members in order, each decoded on its own and joined
/// by ", " (UTF-8).
std::string MemberFirstNames(const Family& family);

/// Why a family name cannot be given to a new family; empty when it can. A name must
/// not be empty, must not hold ']' or a line break (the neighborhood file could not
/// hold it) and, with the blanks around it removed, must not be another family's name.
std::string FamilyNameProblem(const SimRegistry& registry, const std::string& name);

/// Why the chosen members cannot move out; empty when they can.
std::string MoveOutSelectionProblem(size_t selected, size_t total);

/// Splits the Sims of `simIds` (members of `from`, in this order) off into a new
/// homeless family called `name` without the blanks around it, appended to the
/// neighborhood. Returns the new family,
/// or nullptr (nothing changed) when the name or the selection is refused; `problem`
/// then holds the reason.
Family* MoveOut(SimRegistry& registry, Family& from, const std::vector<int32_t>& simIds,
                const std::string& name, std::string* problem = nullptr);

/// Why `sim` cannot move into `to`; empty when it can. A family never gets two members
/// of one first name.
std::string TransferProblem(const Sim& sim, const Family& to);

/// Moves `sim` from its family into `to`. The old family goes when it is left empty,
/// otherwise its friends are recounted; the new family's are recounted. False (nothing
/// changed) when the move is refused; `problem` then holds the reason.
bool TransferSim(SimRegistry& registry, Sim& sim, Family& to, std::string* problem = nullptr);
