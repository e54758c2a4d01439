#include "reports/NeighborhoodFigures.h"

#include <cstdio>

#include "base/Translate.h"
#include "model/Family.h"
#include "model/SimRegistry.h"
#include "model/Vocabulary.h"
#include "reports/MemberWalk.h"
#include "reports/ReportText.h"

NeighborhoodFigures ComputeNeighborhoodFigures(const SimRegistry& registry) {
    NeighborhoodFigures figures;
    figures.fileName = FileNameOnly(registry.name);
    // Homeless families are counted apart, so that the family count is the number of
    // families the main window's list shows.
    for (const Family* family : registry.families) ++(family->homeless ? figures.homelessFamilies : figures.families);
    figures.sims = registry.allSims.Count();
    // One walk over the members gives all three counts.
    ForEachMember(registry.families, [&figures](const Sim& member) {
        if (member.male)
            ++figures.males;
        else
            ++figures.females;
        const int32_t stage = member.LifeStage();
        if (stage == kLifeStageTeen || stage == kLifeStageChild) ++figures.childrenAndTeens;
    });
    return figures;
}

std::string CountWithShare(int count, size_t total) {
    const double share = total ? static_cast<double>(count) / static_cast<double>(total) * 100.0 : 0.0;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%d (%.01f%%)", count, share);
    return buffer;
}

std::vector<std::pair<std::string, std::string>> NeighborhoodInfoRows(const NeighborhoodFigures& figures) {
    return {
        {tr("Name: "), figures.fileName},
        {tr("Number of Families: "), std::to_string(figures.families)},
        {tr("Homeless Families: "), std::to_string(figures.homelessFamilies)},
        {tr("Number of Sims: "), std::to_string(figures.sims)},
        {tr("Males: "), CountWithShare(figures.males, figures.sims)},
        {tr("Females: "), CountWithShare(figures.females, figures.sims)},
        {tr("Children/Teens: "), CountWithShare(figures.childrenAndTeens, figures.sims)},
    };
}
