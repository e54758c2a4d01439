#include "reports/SimGroups.h"

#include <algorithm>
#include <array>

#include "base/Text.h"
#include "base/Translate.h"
#include "model/Family.h"
#include "model/FamilyList.h"
#include "model/RadixSort.h"
#include "model/Sim.h"
#include "model/Vocabulary.h"
#include "reports/MemberWalk.h"

namespace {

bool InGroup(const Sim& sim, SimGroup group) {
    switch (group) {
        case SimGroup::Townie: return sim.townie;
        case SimGroup::Vampire: return sim.vampire;
        case SimGroup::AtCollege: return sim.atCollege;
    }
    return false;
}

// The first eight bytes of the name, letters folded, as a number that orders like
// the text: most rows are placed by one linear sort on it, and only rows whose names
// agree in those bytes are compared in full.
uint64_t NameLead(const std::string& name) {
    uint64_t lead = 0;
    for (size_t i = 0; i < 8; ++i) {
        unsigned char c = i < name.size() ? static_cast<unsigned char>(name[i]) : 0;
        if (c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c - 'A' + 'a');
        lead = (lead << 8) | c;
    }
    return lead;
}

void SortByName(std::vector<GroupRow>& rows) {
    struct Keyed {
        uint64_t lead;
        uint32_t row;
    };
    std::vector<Keyed> keys(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) keys[i] = {NameLead(rows[i].name), static_cast<uint32_t>(i)};
    RadixSortByKey(keys, [](const Keyed& k) { return k.lead; });
    for (size_t begin = 0; begin < keys.size();) {
        size_t end = begin + 1;
        while (end < keys.size() && keys[end].lead == keys[begin].lead) ++end;
        if (end - begin > 1)
            std::stable_sort(keys.begin() + static_cast<std::ptrdiff_t>(begin), keys.begin() + static_cast<std::ptrdiff_t>(end),
                             [&rows](const Keyed& a, const Keyed& b) {
                                 return CompareNoCase(rows[a.row].name, rows[b.row].name) < 0;
                             });
        begin = end;
    }
    std::vector<GroupRow> sorted;
    sorted.reserve(rows.size());
    for (const Keyed& k : keys) sorted.push_back(std::move(rows[k.row]));
    rows.swap(sorted);
}

void SortByLifeStage(std::vector<GroupRow>& rows) {
    // A stable counting sort over the four stages, youngest (highest index) first;
    // a stage outside the table goes last.
    std::array<std::vector<GroupRow>, kLifeStageCount + 1> buckets;
    for (GroupRow& row : rows) {
        const int32_t stage = row.lifeStage;
        const size_t bucket = (stage >= 0 && stage < kLifeStageCount) ? static_cast<size_t>(kLifeStageCount - 1 - stage)
                                                                      : kLifeStageCount;
        buckets[bucket].push_back(std::move(row));
    }
    rows.clear();
    for (auto& bucket : buckets)
        for (GroupRow& row : bucket) rows.push_back(std::move(row));
}

}  // namespace

std::string SimGroupText(SimGroup group) {
    switch (group) {
        case SimGroup::Townie: return tr("Townie");
        case SimGroup::Vampire: return tr("Vampire");
        case SimGroup::AtCollege: return tr("At College");
    }
    return std::string();
}

void SortGroupRows(std::vector<GroupRow>& rows, GroupOrder order) {
    if (order == GroupOrder::ByLifeStage)
        SortByLifeStage(rows);
    else
        SortByName(rows);
}

std::vector<GroupRow> GroupRows(const FamilyList& families, SimGroup group, GroupOrder order) {
    std::vector<GroupRow> rows;
    ForEachMember(families, [&](const Sim& member) {
        if (InGroup(member, group))
            rows.push_back({member.id, member.ShownFullName(), LifeStageText(member.LifeStage()), member.LifeStage()});
    });
    // Each Sim goes in as the new top row, so before sorting the list holds them last
    // found first; the sorts keep that order among equal rows.
    std::reverse(rows.begin(), rows.end());
    SortGroupRows(rows, order);
    return rows;
}
