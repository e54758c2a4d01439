#pragma once
#include <string>

#include "LoadedNeighborhood.h"
#include "chemistry/ChemMatching.h"
#include "social/MatchmakerSettings.h"

// The tool's commands. Each returns the process exit code: 0 done (or, for
// check, nothing found), 1 check found problems, 2 bad input or failure.

/// The neighborhood information figures, one "label: value" row each.
int RunInfo(const CliOptions& options, const std::string& path);
/// The whole neighborhood as JSON on stdout.
int RunDump(const CliOptions& options, const std::string& path);
/// What is wrong or fragile in the file, one line each.
int RunCheck(const CliOptions& options, const std::string& path);
/// Reads a file and writes it back through the program's writer.
int RunResave(const CliOptions& options, const std::string& in, const std::string& out);
/// The neighborhood as a GEDCOM file, to `out` or (when empty) to stdout.
int RunGedcom(const CliOptions& options, const std::string& path, const std::string& out);
/// The family dialog's member list of one family: name, age, match.
int RunMembers(const CliOptions& options, const std::string& path, const std::string& familyName);
/// What "tree" prints and draws besides the root.
struct TreeRequest {
    bool descendants = false;  // the descendant chart instead of the ancestors
    std::string svgOut;        // also drawn as SVG here, when not empty
    std::string pngOut;        // also drawn as PNG here, when not empty
};
/// The ancestor (or descendant) chart of one Sim (by full name) or of the deepest
/// family, as text, and as pictures when asked.
int RunTree(const CliOptions& options, const std::string& path, const std::string& rootName, bool deepest,
            const TreeRequest& request);
/// The lines the family tree set-up's "&Write to File" writes.
int RunFamilyData(const CliOptions& options, const std::string& path);
/// The homeless families' list: name, member count, members.
int RunHomeless(const CliOptions& options, const std::string& path);
/// The career tables: every career's skills, one career's levels (`levels`), or the
/// careers matching up to three comma-separated skills (`match`).
int RunCareers(const CliOptions& options, const std::string& levels, const std::string& match);
/// The Sim information card of one Sim, its friend list and total.
int RunSim(const CliOptions& options, const std::string& path, const std::string& fullName);
/// A special group (townie, vampire, college) by name or by age.
int RunGroups(const CliOptions& options, const std::string& path, const std::string& type, const std::string& by);
/// The aspiration summary, or the Sims listed for one aspiration.
int RunAspirations(const CliOptions& options, const std::string& path, const std::string& listed);
/// The results of a search by first name.
int RunSearch(const CliOptions& options, const std::string& path, const std::string& firstName);
/// The life stage of an --age value ("elder", "adult", "teen", "child"); -1 otherwise.
int32_t LifeStageFromOption(const std::string& age);
/// The chemistry matching results: female, male, type.
int RunMatches(const CliOptions& options, const std::string& path, const ChemMatchOptions& match);
/// The lines of the chemistry report of a life stage.
int RunChemistry(const CliOptions& options, const std::string& path, int32_t lifeStage);
/// The matchmaker's lists: "Females:", "Males:", "Matched Up:" and their entries.
int RunPairs(const CliOptions& options, const std::string& path, const MatchmakerSettings& settings);
/// The availability list for an hour (7..24): name, hours, ordered by up to two
/// order keys named as in the order dialog ("Last Name,First Name").
int RunAvailable(const CliOptions& options, const std::string& path, int hour, const std::string& order);
