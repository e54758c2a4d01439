// "tree", "family-data" and "homeless": the ancestor chart, the family tree set-up's
// report and the homeless families' list, from the same core code as the windows.
#include <iostream>
#include <string>

#include "Commands.h"
#include "base/FileIO.h"
#include "familytree/FamilyTree.h"
#include "familytree/SvgTreePainter.h"
#include "familytree/TreeChart.h"
#include "familytree/TreeSetupRules.h"
#include "model/NameLookup.h"
#include "model/Sim.h"
#include "moves/HouseholdMoves.h"

int RunTree(const CliOptions& options, const std::string& path, const std::string& rootName, bool deepest,
            const std::string& svgOut) {
    if (deepest == !rootName.empty()) {
        std::cerr << "Name one Sim by its full name, or give --deepest.\n";
        return kExitError;
    }
    LoadedNeighborhood hood(options);
    if (!hood.LoadCareers() || !hood.LoadFile(path)) return kExitError;
    FamilyTree tree;
    tree.Build(hood.registry);
    tree.LinkParents();
    int32_t rootId = -1;
    if (deepest) {
        rootId = tree.FindDeepestSim(hood.registry);
    } else if (const Sim* root = FindSimByTypedName(hood.registry, rootName)) {
        rootId = root->id;
    }
    if (rootId == -1) {
        if (deepest)
            std::cerr << "No Sim in " << path << " has a parent recorded.\n";
        else
            std::cerr << "No Sim named \"" << rootName << "\" in " << path << "\n";
        return kExitError;
    }
    tree.SetRoot(rootId);
    for (const std::string& line : AncestorChartLines(tree, hood.registry)) std::cout << line << '\n';
    if (!svgOut.empty()) {
        SvgTreePainter measure(0, 0);
        const PicturePlan plan = PlanPicture(tree, hood.registry, measure);
        SvgTreePainter svg(plan.width, plan.height);
        DrawPicture(tree, hood.registry, svg, plan);
        std::string error;
        if (!WriteFileAtomically(svgOut, svg.Document(), &error)) {
            std::cerr << "Cannot write " << svgOut << ": " << error << "\n";
            return kExitError;
        }
    }
    return kExitOk;
}

int RunFamilyData(const CliOptions& options, const std::string& path) {
    LoadedNeighborhood hood(options);
    if (!hood.LoadCareers() || !hood.LoadFile(path)) return kExitError;
    hood.registry.SortAndIndex();
    for (const std::string& line : FamilyDataLines(hood.registry)) std::cout << line << '\n';
    return kExitOk;
}

int RunHomeless(const CliOptions& options, const std::string& path) {
    LoadedNeighborhood hood(options);
    if (!hood.LoadCareers() || !hood.LoadFile(path)) return kExitError;
    for (const HomelessRow& row : HomelessRows(hood.registry.families))
        std::cout << row.name << '\t' << row.memberCount << '\t' << row.members << '\n';
    return kExitOk;
}
