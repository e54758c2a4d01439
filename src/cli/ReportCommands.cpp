// "sim", "groups", "aspirations", "search": what the neighborhood report windows
// show, from the same code that fills them.
#include <iostream>
#include <string>

#include "Commands.h"
#include "model/NameLookup.h"
#include "model/Sim.h"
#include "reports/AspirationSummary.h"
#include "reports/SimCard.h"
#include "reports/SimGroups.h"
#include "reports/SimSearch.h"

int RunSim(const CliOptions& options, const std::string& path, const std::string& fullName) {
    LoadedNeighborhood hood(options);
    if (!hood.LoadCareers() || !hood.LoadFile(path)) return kExitError;
    const Sim* sim = FindSimByTypedName(hood.registry, fullName);
    if (sim == nullptr) {
        std::cerr << "No Sim named \"" << fullName << "\" in " << path << "\n";
        return kExitError;
    }
    const SimCard card = BuildSimCard(hood.registry, *sim);
    for (const auto& [label, value] : card.rows) std::cout << label << '\t' << value << '\n';
    std::cout << card.careerText << '\n' << card.friendsText << '\n';
    const std::vector<std::string> friends = SimFriendNames(hood.registry, *sim);
    for (const std::string& name : friends) std::cout << name << '\n';
    std::cout << ListTotalText(friends.size()) << '\n';
    return kExitOk;
}

int RunGroups(const CliOptions& options, const std::string& path, const std::string& type, const std::string& by) {
    SimGroup group = SimGroup::Townie;
    if (type == "vampire")
        group = SimGroup::Vampire;
    else if (type == "college")
        group = SimGroup::AtCollege;
    else if (type != "townie") {
        std::cerr << "Unknown group \"" << type << "\": use townie, vampire or college\n";
        return kExitError;
    }
    if (by != "name" && by != "age") {
        std::cerr << "Unknown order \"" << by << "\": use name or age\n";
        return kExitError;
    }
    LoadedNeighborhood hood(options);
    if (!hood.LoadCareers() || !hood.LoadFile(path)) return kExitError;
    for (const GroupRow& row : GroupRows(hood.registry.families, group, by == "age" ? GroupOrder::ByLifeStage : GroupOrder::ByName))
        std::cout << row.name << '\t' << row.age << '\n';
    return kExitOk;
}

int RunAspirations(const CliOptions& options, const std::string& path, const std::string& listed) {
    int32_t aspiration = -1;
    if (!listed.empty() && (aspiration = AspirationCodeForText(listed)) < 0) {
        std::cerr << "Unknown aspiration \"" << listed << "\"\n";
        return kExitError;
    }
    LoadedNeighborhood hood(options);
    if (!hood.LoadCareers() || !hood.LoadFile(path)) return kExitError;
    const std::vector<AspirationRow> rows = AspirationSummaryRows(hood.registry);
    if (aspiration < 0) {
        for (const AspirationRow& row : rows) std::cout << row.text << '\t' << row.count << '\n';
        return kExitOk;
    }
    for (const std::string& name : AspirationSimNames(hood.registry, aspiration)) std::cout << name << '\n';
    return kExitOk;
}

int RunSearch(const CliOptions& options, const std::string& path, const std::string& firstName) {
    if (firstName.empty()) {
        std::cerr << "Give the first name to search for\n";
        return kExitError;
    }
    LoadedNeighborhood hood(options);
    if (!hood.LoadCareers() || !hood.LoadFile(path)) return kExitError;
    for (const SearchEntry& entry : SearchByFirstName(hood.registry.families, firstName)) std::cout << entry.text << '\n';
    return kExitOk;
}
