// nestrel-cli: the neighborhood tools of Nestrel without a window.
#include <CLI/CLI.hpp>

#include <iostream>
#include <string>

#include "Commands.h"
#include "base/ProgramInfo.h"

int main(int argc, char** argv) {
    CLI::App app{"Nestrel command-line companion: inspect, check and rewrite neighborhood files."};
    // The version text ends in a line feed of its own; CLI11 adds one.
    std::string version = VersionText("nestrel-cli", NESTREL_VERSION);
    version.pop_back();
    app.set_version_flag("--version", version);
    // The manual page is made from this: every subcommand with its options.
    app.set_help_all_flag("--help-all", "Print this help with every subcommand's options and exit");
    app.require_subcommand(0, 1);
    app.fallthrough();

    CliOptions options;
    options.argv0 = argc > 0 ? argv[0] : nullptr;
    app.add_option("--inst", options.instDir,
                   "Install folder whose Data/SimCareers.ini holds the career table "
                   "(default: the installed data, else the source tree's)");
    app.add_flag("--renumber-careers", options.renumberCareers,
                 "Answer Yes when a file older than the career file offers to renumber careers");

    std::string file, out;
    CLI::App* info = app.add_subcommand("info", "Print the neighborhood information figures");
    info->add_option("FILE", file, "Neighborhood file")->required();
    CLI::App* dump = app.add_subcommand("dump", "Print the neighborhood as JSON");
    dump->add_option("FILE", file, "Neighborhood file")->required();
    CLI::App* check = app.add_subcommand(
        "check", "Report what is wrong or fragile in a file; exit 1 when something is found");
    check->add_option("FILE", file, "Neighborhood file")->required();
    std::string familyName;
    CLI::App* members = app.add_subcommand("members", "Print a family's member list: name, age, match");
    members->add_option("FILE", file, "Neighborhood file")->required();
    members->add_option("FAMILY", familyName, "Family name")->required();
    int hour = 7;
    std::string order;
    CLI::App* available = app.add_subcommand("available", "Print the Sims free at an hour: name, hours");
    available->add_option("FILE", file, "Neighborhood file")->required();
    available->add_option("--hour", hour, "Hour of the day, 7 (7 AM) to 24 (midnight)")->required();
    available->add_option("--order", order, "One or two order keys, e.g. \"Last Name,First Name\"");
    CLI::App* resave = app.add_subcommand("resave", "Read a file and write it back with Nestrel's writer");
    resave->add_option("IN", file, "Neighborhood file to read")->required();
    resave->add_option("OUT", out, "File to write")->required();
    CLI::App* gedcom = app.add_subcommand("gedcom", "Write the neighborhood as a GEDCOM 5.5.1 file for genealogy programs");
    gedcom->add_option("FILE", file, "Neighborhood file")->required();
    gedcom->add_option("-o,--output", out, "GEDCOM file to write (default: standard output)");

    std::string rootName;
    TreeRequest treeRequest;
    bool deepest = false;
    CLI::App* tree = app.add_subcommand("tree", "Print the ancestor chart of a Sim (mother, then father, above each)");
    tree->add_option("FILE", file, "Neighborhood file")->required();
    tree->add_option("NAME", rootName, "Full name of the Sim at the root");
    tree->add_flag("--deepest", deepest, "Start from the Sim whose family reaches furthest back");
    tree->add_flag("--descendants", treeRequest.descendants,
                   "Print and draw the descendant chart (children below each Sim) instead");
    tree->add_option("--svg", treeRequest.svgOut, "Also write the chart as an SVG picture");
    tree->add_option("--png", treeRequest.pngOut, "Also write the chart as a PNG picture at normal size");
    CLI::App* familyData = app.add_subcommand("family-data", "Print every Sim with its parents, as the tree set-up writes it");
    familyData->add_option("FILE", file, "Neighborhood file")->required();
    CLI::App* homeless = app.add_subcommand("homeless", "Print the homeless families: name, member count, members");
    homeless->add_option("FILE", file, "Neighborhood file")->required();
    std::string levels, skillMatch, simName, groupType, groupOrder = "name", aspiration, firstName;
    CLI::App* careers = app.add_subcommand("careers", "Print every career's skills, one career's levels, or the careers matching skills");
    careers->add_option("--levels", levels, "Print the two level lists of this career");
    careers->add_option("--match", skillMatch, "Up to three skills, separated by commas (Cooking,Body,...)");
    CLI::App* sim = app.add_subcommand("sim", "Print a Sim's information card and friend list");
    sim->add_option("FILE", file, "Neighborhood file")->required();
    sim->add_option("NAME", simName, "The Sim's full name (first name, blank, family name)")->required();
    CLI::App* groups = app.add_subcommand("groups", "Print the Townies, Vampires or Sims at college with their age");
    groups->add_option("FILE", file, "Neighborhood file")->required();
    groups->add_option("--type", groupType, "townie, vampire or college")->required();
    groups->add_option("--by", groupOrder, "name (default) or age (youngest first)");
    CLI::App* aspirations = app.add_subcommand("aspirations", "Print the aspiration summary, or the Sims of one aspiration");
    aspirations->add_option("FILE", file, "Neighborhood file")->required();
    aspirations->add_option("--list", aspiration, "Print the Sims listed for this aspiration");
    CLI::App* search = app.add_subcommand("search", "Print the Sims whose first name is the one given (case ignored)");
    search->add_option("FILE", file, "Neighborhood file")->required();
    search->add_option("FIRSTNAME", firstName, "First name")->required();
    std::string age;
    ChemMatchOptions match;
    CLI::App* matches = app.add_subcommand("matches", "Print the chemistry matching results: female, male, type");
    matches->add_option("FILE", file, "Neighborhood file")->required();
    matches->add_option("--age", age, "Life stage matched")->required()->check(CLI::IsMember({"elder", "adult", "teen"}));
    matches->add_flag("--townies", match.townies, "Include Townies");
    matches->add_flag("--different-ages", match.differentAges, "Allow different ages for match");
    matches->add_flag("--matched-up", match.matchedUp, "Include Sims who are matched up");
    matches->add_flag("--married", match.married, "Include Sims who are married or going steady");
    CLI::App* chemistry = app.add_subcommand("chemistry", "Print the chemistry report of a life stage");
    chemistry->add_option("FILE", file, "Neighborhood file")->required();
    chemistry->add_option("--age", age, "Life stage")->required()->check(CLI::IsMember({"elder", "adult", "teen"}));
    MatchmakerSettings pairSettings;
    bool noElders = false;
    CLI::App* pairs = app.add_subcommand("pairs", "Print the matchmaker's females, males and pairs");
    pairs->add_option("FILE", file, "Neighborhood file")->required();
    pairs->add_option("--age", age, "Life stage shown (default teen)")->check(CLI::IsMember({"child", "teen", "adult"}));
    pairs->add_flag("--townies", pairSettings.townieCheck, "Include Townies");
    pairs->add_flag("--no-elders", noElders, "Leave Elders out beside Adults");
    pairs->add_flag("--filter-married", pairSettings.filterMarried, "Hide married and committed pairs");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        // CLI11 uses exit code 0 for --help/--version; anything else is a usage error.
        int rc = app.exit(e);
        return rc == 0 ? kExitOk : kExitError;
    }
    if (*info) return RunInfo(options, file);
    if (*dump) return RunDump(options, file);
    if (*check) return RunCheck(options, file);
    if (*members) return RunMembers(options, file, familyName);
    if (*available) return RunAvailable(options, file, hour, order);
    if (*resave) return RunResave(options, file, out);
    if (*gedcom) return RunGedcom(options, file, out);
    if (*tree) return RunTree(options, file, rootName, deepest, treeRequest);
    if (*familyData) return RunFamilyData(options, file);
    if (*homeless) return RunHomeless(options, file);
    if (*careers) return RunCareers(options, levels, skillMatch);
    if (*sim) return RunSim(options, file, simName);
    if (*groups) return RunGroups(options, file, groupType, groupOrder);
    if (*aspirations) return RunAspirations(options, file, aspiration);
    if (*search) return RunSearch(options, file, firstName);
    if (*matches) {
        match.lifeStage = LifeStageFromOption(age);
        return RunMatches(options, file, match);
    }
    if (*chemistry) return RunChemistry(options, file, LifeStageFromOption(age));
    if (*pairs) {
        if (!age.empty()) pairSettings.currentAge = LifeStageFromOption(age);
        pairSettings.elderCheck = !noElders;
        return RunPairs(options, file, pairSettings);
    }
    std::cout << app.help();
    return kExitOk;
}
