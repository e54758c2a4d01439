#pragma once
#include <string>
#include <vector>

#include "familytree/FamilyTree.h"

class SimRegistry;

/// The ancestor chart of the tree's root as text: the root's full name first; under
/// each entry "Mother: " and then "Father: " with its parents, two blanks deeper. A
/// typed-in parent ends in "(d)"; an ancestor already on the way down to the root is
/// marked " (repeat)" and nothing is shown above it. Empty without a root.
std::vector<std::string> AncestorChartLines(const FamilyTree& tree, const SimRegistry& registry);

/// The descendant chart of the tree's root as text: the root's full name first; under
/// each entry "Child: " with each of its children (the Sims whose mother or father it
/// is, in the order of the neighborhood's list), two blanks deeper. A Sim already on
/// the way down from the root is marked " (repeat)" and nothing is shown below it.
/// Empty without a root.
std::vector<std::string> DescendantChartLines(const FamilyTree& tree, const SimRegistry& registry);
