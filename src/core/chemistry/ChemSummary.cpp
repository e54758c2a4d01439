#include "chemistry/ChemSummary.h"

#include <algorithm>

#include "base/FileIO.h"
#include "base/Text.h"
#include "model/Family.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"

void SortEntries(std::vector<SimEntry>& entries) {
    std::stable_sort(entries.begin(), entries.end(), [](const SimEntry& a, const SimEntry& b) {
        const int c = CompareNoCase(a.text, b.text);
        return c != 0 ? c < 0 : a.text < b.text;
    });
}

std::vector<SimEntry> SummarySims(const SimRegistry& registry, int32_t lifeStage) {
    std::vector<SimEntry> entries;
    for (const Family* family : registry.families)
        for (const Sim* sim : family->members)
            if (sim->LifeStage() == lifeStage) entries.push_back({sim->ShownFullName(), sim->id});
    SortEntries(entries);
    return entries;
}

std::vector<ChemRow> SummaryChemistryRows(const SimRegistry& registry, const Sim& sim) {
    std::vector<ChemRow> rows;
    for (const ChemistryEntry& entry : sim.chemistry)
        if (const Sim* other = registry.FindSim(entry.simId))
            rows.push_back({other->ShownFullName(), entry.TypeName(), other->id});
    return rows;
}

std::vector<ChemRow> ComparisonRows(const SimRegistry& registry, const Sim& sim) {
    std::vector<ChemRow> rows;
    for (const ChemistryEntry& entry : sim.chemistry) {
        const Sim* other = registry.FindSim(entry.simId);
        rows.push_back({other ? other->ShownFullName() : std::string(), entry.TypeName(), other ? other->id : -1});
    }
    return rows;
}

std::pair<int32_t, int32_t> ComparisonOrder(const SimRegistry& registry, int32_t firstId, int32_t secondId) {
    const Sim* first = registry.FindSim(firstId);
    const Sim* second = registry.FindSim(secondId);
    const int32_t a = first ? first->id : -1;
    const int32_t b = second ? second->id : -1;
    if (first != nullptr && first->male) return {b, a};
    return {a, b};
}

std::vector<std::string> ChemistryReportLines(const SimRegistry& registry, int32_t lifeStage) {
    std::vector<std::string> lines;
    for (const Family* family : registry.families)
        for (const Sim* sim : family->members) {
            if (sim->LifeStage() != lifeStage) continue;
            lines.push_back(sim->ShownFullName());
            for (const ChemistryEntry& entry : sim->chemistry)
                if (const Sim* other = registry.FindSim(entry.simId)) {
                    std::string& line = lines.emplace_back("\t\t");
                    line += other->ShownFullName();
                }
        }
    return lines;
}


bool WriteChemistryReport(const std::string& path, const std::vector<std::string>& lines, std::string& error) {
    size_t size = 0;
    for (const std::string& line : lines) size += line.size() + 1;
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines) {
        text += line;
        text += '\n';
    }
    return WriteFileAtomically(path, text, &error);
}
