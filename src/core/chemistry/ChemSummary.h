#pragma once
#include <cstdint>
#include <utility>
#include <string>
#include <vector>

class Sim;
class SimRegistry;

/// One entry of a list of Sims: the text shown and the Sim it stands for.
struct SimEntry {
    std::string text;
    int32_t simId = -1;
};

/// Sorts entries by text without regard to case (ties by their bytes, then
/// kept in order), the order the program's sorted lists show.
void SortEntries(std::vector<SimEntry>& entries);

/// The Sims of a life stage for "Chemistry Summary": their full names, sorted.
std::vector<SimEntry> SummarySims(const SimRegistry& registry, int32_t lifeStage);

/// One row of a chemistry list: the other Sim's name and the type text.
struct ChemRow {
    std::string name;
    std::string type;
    int32_t simId = -1;
};

/// The Sim's chemistry entries whose Sim exists, in list order.
std::vector<ChemRow> SummaryChemistryRows(const SimRegistry& registry, const Sim& sim);

/// Every chemistry entry of the Sim in list order; the name is empty when the
/// other Sim no longer exists ("Chemistry Comparison").
std::vector<ChemRow> ComparisonRows(const SimRegistry& registry, const Sim& sim);

/// The two Sims of a comparison in the order shown: a man given first changes
/// places with the second Sim, so a woman paired with a man shows on the left.
/// Ids; -1 for a side without a Sim.
std::pair<int32_t, int32_t> ComparisonOrder(const SimRegistry& registry, int32_t firstId, int32_t secondId);

/// The lines of the chemistry report for a life stage: for every Sim of it in
/// family and member order its full name, then for each chemistry entry whose
/// Sim exists two tabs and that Sim's full name.
std::vector<std::string> ChemistryReportLines(const SimRegistry& registry, int32_t lifeStage);

/// Writes the lines, each followed by a line break, through a temporary file
/// renamed over the target. False (the old file left whole, the reason in
/// `error`) when it cannot be written.
bool WriteChemistryReport(const std::string& path, const std::vector<std::string>& lines, std::string& error);
