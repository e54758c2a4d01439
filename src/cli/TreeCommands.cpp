// "tree", "family-data" and "homeless": the ancestor or descendant chart, the family tree set-up's
// report and the homeless families' list, from the same core code as the windows.
#include <iostream>
#include <string>

#include "Commands.h"
#include "base/FileIO.h"
#include "PngTreePainter.h"
#include "familytree/ChartLayout.h"
#include "familytree/FamilyTree.h"
#include "familytree/SvgTreePainter.h"
#include "familytree/TreeChart.h"
#include "familytree/TreeSetupRules.h"
#include "model/NameLookup.h"
#include "model/Sim.h"
#include "moves/HouseholdMoves.h"

namespace {

bool WritePicture(const std::string& path, const std::string& bytes) {
    std::string error;
    if (WriteFileAtomically(path, bytes, &error)) return true;
    std::cerr << "Cannot write " << path << ": " << error << "\n";
    return false;
}

}  // namespace

int RunTree(const CliOptions& options, const std::string& path, const std::string& rootName, bool deepest,
            const TreeRequest& request) {
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
    const ChartKind kind = request.descendants ? ChartKind::Descendants : ChartKind::Ancestors;
    const std::vector<std::string> lines = request.descendants ? DescendantChartLines(tree, hood.registry)
                                                               : AncestorChartLines(tree, hood.registry);
    for (const std::string& line : lines) std::cout << line << '\n';
    if (!request.svgOut.empty()) {
        SvgTreePainter measure(0, 0);
        const ChartLayout layout = LayOutChart(tree, hood.registry, measure, kind, ChartOrientation::Upright);
        SvgTreePainter svg(layout.width, layout.height);
        DrawChart(layout, svg);
        if (!WritePicture(request.svgOut, svg.Document())) return kExitError;
    }
    if (!request.pngOut.empty()) {
        PngTreePainter measure(0, 0);
        const ChartLayout layout = LayOutChart(tree, hood.registry, measure, kind, ChartOrientation::Upright);
        PngTreePainter png(layout.width, layout.height);
        DrawChart(layout, png);
        std::string bytes;
        if (!png.Encode(bytes)) {
            std::cerr << "Cannot draw the chart as PNG: at " << layout.width << " x " << layout.height
                      << " pixels it is too large.\n";
            return kExitError;
        }
        if (!WritePicture(request.pngOut, bytes)) return kExitError;
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
