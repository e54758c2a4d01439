// nestrel-gen: writes a synthetic neighborhood file in the program's layout,
// the same bytes for the same options and seed. For tests and benchmarks.
#include <CLI/CLI.hpp>

#include <iostream>
#include <string>

#include "gen/NeighborhoodGenerator.h"

int main(int argc, char** argv) {
    CLI::App app{"Write a synthetic Nestrel neighborhood file (deterministic for a seed)."};
    GeneratorOptions options;
    std::string out;
    std::string careerVersion = "1.0";
    app.add_option("--sims", options.sims, "Number of Sims")->check(CLI::Range(int64_t(1), int64_t(10000000)));
    app.add_option("--seed", options.seed, "Seed of the random choices");
    app.add_option("--max-family", options.maxFamilySize, "Largest ordinary family")->check(CLI::Range(1, 1000));
    app.add_flag("--large-families", options.largeFamilies, "Some families of 11 to 40 members");
    app.add_flag("--many-friends", options.manyFriends, "Some Sims with 11 to 30 friends and over ten chemistry entries");
    app.add_option("--friends", options.friendsPerSim, "Friends each Sim makes on average")->check(CLI::Range(0, 100));
    app.add_option("--homeless", options.homelessPercent, "Share of homeless families, percent")->check(CLI::Range(0, 100));
    app.add_option("--career-version", careerVersion, "CareerVers written in the \"settings\" group");
    app.add_option("OUT", out, "File to write")->required();
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? 0 : 2;
    }
    std::string error;
    if (!GenerateNeighborhoodFile(options, out, careerVersion, &error)) {
        std::cerr << "nestrel-gen: cannot write " << out << ": " << error << '\n';
        return 1;
    }
    return 0;
}
