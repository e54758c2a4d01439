#include "reports/SimSearch.h"

#include <algorithm>

#include "base/Text.h"
#include "base/Translate.h"
#include "base/Utf8Text.h"
#include "model/Family.h"
#include "model/FamilyList.h"
#include "model/Sim.h"
#include "reports/MemberWalk.h"
#include "reports/ReportText.h"

std::vector<SearchEntry> SearchByFirstName(const FamilyList& families, std::string_view firstName) {
    std::vector<SearchEntry> found;
    if (families.IsEmpty()) return found;
    // Compared as decoded text: a name typed in UTF-8 finds one a Windows file stored
    // in Windows-1252.
    const std::string wanted = AsciiLower(TextAsUtf8(firstName));
    ForEachMember(families, [&](const Sim& member) {
        const std::string& stored = member.firstName;
        const bool same = IsValidUtf8(stored) ? stored.size() == wanted.size() && AsciiLower(stored) == wanted
                                              : AsciiLower(TextAsUtf8(stored)) == wanted;
        if (same)
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
