#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "model/ParentRef.h"

class Family;
class Sim;
class SimRegistry;

/// The rules of the family tree set-up dialog, without a window. The dialog keeps ids
/// and asks these functions for what to show and for the changes to make.

/// One family of the set-up dialog's neighborhood tree with the members it shows.
struct SetupFamilyRow {
    int32_t familyId = -1;
    std::string name;
    struct Member {
        int32_t simId;
        std::string fullName;
    };
    std::vector<Member> members;
};

/// The families in the registry's index order (call SortAndIndex first): families whose
/// members are all Townies are left out; with `removeCompleted`, so are families where
/// every member has a known parent, and members with a known parent.
std::vector<SetupFamilyRow> SetupTreeRows(const SimRegistry& registry, bool removeCompleted);

/// One entry of a candidate parents' list.
struct ParentCandidate {
    int32_t simId;
    std::string sortName;
};

struct ParentCandidates {
    std::vector<ParentCandidate> mothers;
    std::vector<ParentCandidate> fathers;
};

/// The filters over the candidate lists.
struct CandidateFilter {
    bool immediateFamily = false;
    bool similarNames = false;
    std::string matchText;  // "Match Last Name:"
};

/// True when `familyName` is like `currentName`: it contains the current name, or its
/// first L - 1 or L - 2 characters (L its length; an empty text when the name is shorter),
/// letter case ignored.
bool IsSimilarFamilyName(const std::string& familyName, const std::string& currentName);

/// The adults (Elder or Adult) that may be chosen as mothers and fathers, in the
/// registry's index order of families, as the filters allow. `current` is the family of
/// the Sim selected in the tree, or nullptr.
ParentCandidates SetupCandidates(const SimRegistry& registry, const Family* current, const CandidateFilter& filter);

/// One side's choice: `set` false leaves that parent as it is ("None"); otherwise a Sim
/// (`simId`) or a typed-in name (`simId` -1).
struct ParentChoice {
    bool set = false;
    std::string name;
    int32_t simId = -1;
};

/// What the dialog shows for a Sim's parent: its display name (empty: "None") and the
/// Sim id it points to (-1 for a typed-in name).
ParentChoice CurrentParent(const SimRegistry& registry, const ParentRef& ref);

/// The loop a parent link from `parentId` to `childId` would close: the full names as
/// shown, from the child down through its descendants to the parent and back to the
/// child, each the parent of the next. Empty when the parent is no descendant of the child.
std::vector<std::string> AncestorLoop(const SimRegistry& registry, int32_t childId, int32_t parentId);

/// Gives every target Sim the chosen mother and father. A Sim is never made its own
/// mother or father: such targets keep that side and their names are added to
/// `refused`. Nor is a Sim given a parent who is its descendant: that side is kept
/// and a message naming the loop is added to `loops`. Returns how many Sims were
/// changed.
int ApplyParents(SimRegistry& registry, const std::vector<int32_t>& targets, const ParentChoice& mother,
                 const ParentChoice& father, std::vector<std::string>* refused = nullptr,
                 std::vector<std::string>* loops = nullptr);

/// The lines "&Write to File" writes: every member of every family in the registry's
/// index order, each followed by a tab and "mother:" / "father:" lines for its known
/// parents.
std::vector<std::string> FamilyDataLines(const SimRegistry& registry);

/// Writes the family data lines safely (a temporary file renamed over the target).
/// False with a reason in `error` when the file cannot be written.
bool WriteFamilyData(const SimRegistry& registry, const std::string& path, std::string* error = nullptr);
