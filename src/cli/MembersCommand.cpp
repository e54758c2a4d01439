// "members": the rows of the family dialog's member list for one family.
#include <iostream>
#include <string>

#include "Commands.h"
#include "editing/FamilyEditRules.h"
#include "model/NameLookup.h"

int RunMembers(const CliOptions& options, const std::string& path, const std::string& familyName) {
    LoadedNeighborhood hood(options);
    if (!hood.LoadCareers() || !hood.LoadFile(path)) return kExitError;
    if (const Family* family = FindFamilyByTypedName(hood.registry.families, familyName)) {
        for (const MemberRow& row : FamilyMemberRows(hood.registry, *family, {}))
            std::cout << row.name << '\t' << row.age << '\t' << row.match << '\n';
        return kExitOk;
    }
    std::cerr << "No family named \"" << familyName << "\" in " << path << "\n";
    return kExitError;
}
