#include "reports/SimSearch.h"

#include <algorithm>

#include "base/Text.h"
#include "base/Translate.h"
#include "model/Family.h"
#include "model/FamilyList.h"
#include "model/Sim.h"
#include "reports/MemberWalk.h"
#include "reports/ReportText.h"

std::vector<SearchEntry> SearchByFirstName(const FamilyList& families, std::string_view firstName) {
    std::vector<SearchEntry> found;
    if (families.IsEmpty()) return found;
    const std::string wanted = AsciiLower(firstName);
    ForEachMember(families, [&](const Sim& member) {
        if (member.firstName.size() == wanted.size() && AsciiLower(member.firstName) == wanted)
            found.push_back({member.ShownFullName(), member.id});
    });
    if (found.empty()) {
        found.push_back({tr("No matching Sims found"), -1});
        return found;
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const SearchEntry& a, const SearchEntry& b) { return ShownBefore(a.text, b.text); });
    return found;
}
