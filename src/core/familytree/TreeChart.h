#pragma once
#include <string>
#include <vector>

#include "familytree/FamilyTree.h"
#include "familytree/TreePainter.h"

class SimRegistry;

/// The ancestor chart of the tree's root as text: the root's full name first; under
/// each entry "Mother: " and then "Father: " with its parents, two blanks deeper. A
/// typed-in parent ends in "(d)"; an ancestor already on the way down to the root is
/// marked " (repeat)" and nothing is shown above it. Empty without a root.
std::vector<std::string> AncestorChartLines(const FamilyTree& tree, const SimRegistry& registry);

/// Where a saved picture of the chart draws: a size in which every generation's names
/// fit side by side, and the root's position in it.
struct PicturePlan {
    int width = 0;
    int height = 0;
    int rootX = 0;
    int rootY = 0;
    int generations = 0;  // how many generations are drawn, "(d)" names included
};

/// Lays out a picture of the root's chart: the width comes from the widest name of each
/// generation (each generation has half the width of the one below), never more than
/// `maxWidth`; generations that would not fit are left out. `measure` gives the sizes of
/// texts in the picture's font. A tree without a root gets a zero plan.
PicturePlan PlanPicture(const FamilyTree& tree, const SimRegistry& registry, TreePainter& measure,
                        int maxWidth = 16000);

/// Draws the root's chart into a plan's area.
void DrawPicture(const FamilyTree& tree, const SimRegistry& registry, TreePainter& painter, const PicturePlan& plan);
