#pragma once
#include <string>
#include <vector>

class Family;
class Sim;
class SimRegistry;

/// One row of the family list: the family's label and the family (nullptr
/// for the "No Families Added" row).
struct FamilyRow {
    std::string label;
    Family* family = nullptr;
};

/// The family list's rows.
struct FamilyRows {
    std::vector<FamilyRow> rows;
    /// The neighborhood has no family at all: `rows` holds only the
    /// "No Families Added" row; nothing is selected and the Sim list stays empty.
    bool noFamilies = false;
};

/// Rows for the family list. Every family that is not homeless is recounted
/// and listed with its label "name (family friends)"; a family with an empty
/// label is left out. A neighborhood whose families are all homeless gives no
/// rows at all (not the "No Families Added" row).
///
/// The rows come sorted by label without regard to case (labels equal but for
/// case keep the family list's order), so the list control must not sort
/// them again: the order, and with it the index a selection is restored to,
/// is then the same on every system whatever its collation rules.
FamilyRows BuildFamilyRows(SimRegistry& registry);

/// The row to select after the family list was refilled: the row selected
/// before, the first row when none was, the last row when the one selected
/// before is past the end now; -1 when the list has no rows.
int RestoredSelection(int previousSelection, int rowCount);

/// One row of the Sim list: "first last (sign)(friends)" and the member.
struct SimRow {
    std::string label;
    Sim* sim = nullptr;
};

/// The Sim list of a family.
struct SimRows {
    /// The family's current label, written back into its family-list row.
    std::string familyLabel;
    /// One row per member, in member order.
    std::vector<SimRow> rows;
};

/// Recounts the family's friends and lists its members.
SimRows BuildSimRows(const SimRegistry& registry, Family& family);
