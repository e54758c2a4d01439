// "matches", "chemistry" and "pairs": the rows of the chemistry matching results, the
// chemistry report and the matchmaker's lists, from the same rules as the windows.
#include <iostream>
#include <string>

#include "Commands.h"
#include "chemistry/ChemMatching.h"
#include "chemistry/ChemSummary.h"
#include "chemistry/Matchmaker.h"
#include "model/Vocabulary.h"

int32_t LifeStageFromOption(const std::string& age) {
    if (age == "elder") return kLifeStageElder;
    if (age == "adult") return kLifeStageAdult;
    if (age == "teen") return kLifeStageTeen;
    if (age == "child") return kLifeStageChild;
    return -1;
}

int RunMatches(const CliOptions& options, const std::string& path, const ChemMatchOptions& match) {
    LoadedNeighborhood hood(options);
    if (!hood.LoadCareers() || !hood.LoadFile(path)) return kExitError;
    for (const MatchRow& row : MatchRows(hood.registry, GenerateMatchResults(hood.registry, match)))
        std::cout << row.female << '\t' << row.male << '\t' << row.type << '\n';
    return kExitOk;
}

int RunChemistry(const CliOptions& options, const std::string& path, int32_t lifeStage) {
    LoadedNeighborhood hood(options);
    if (!hood.LoadCareers() || !hood.LoadFile(path)) return kExitError;
    for (const std::string& line : ChemistryReportLines(hood.registry, lifeStage)) std::cout << line << '\n';
    return kExitOk;
}

int RunPairs(const CliOptions& options, const std::string& path, const MatchmakerSettings& settings) {
    LoadedNeighborhood hood(options);
    if (!hood.LoadCareers() || !hood.LoadFile(path)) return kExitError;
    MatchmakerLists lists(hood.registry);
    if (!lists.Fill(settings)) {
        std::cerr << "Empty Family List!\n";
        return kExitError;
    }
    std::cout << "Females:\n";
    for (const SimEntry& entry : lists.Females()) std::cout << entry.text << '\n';
    std::cout << "Males:\n";
    for (const SimEntry& entry : lists.Males()) std::cout << entry.text << '\n';
    std::cout << "Matched Up:\n";
    for (const PairRow& row : lists.Rows()) std::cout << row.female << '\t' << row.male << '\t' << row.status << '\n';
    return kExitOk;
}
