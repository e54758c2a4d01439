// "members": the rows of the family dialog's member list for one family.
#include <iostream>
#include <string>

#include "Commands.h"
#include "editing/FamilyEditRules.h"

int RunMembers(const CliOptions& options, const std::string& path, const std::string& familyName) {
    LoadedNeighborhood hood(options);
    if (!hood.LoadCareers() || !hood.LoadFile(path)) return kExitError;
    for (const Family* family : hood.registry.families) {
        if (family->name != familyName) continue;
        for (const MemberRow& row : FamilyMemberRows(hood.registry, *family, {}))
            std::cout << row.name << '\t' << row.age << '\t' << row.match << '\n';
        return kExitOk;
    }
    std::cerr << "No family named \"" << familyName << "\" in " << path << "\n";
    return kExitError;
}
