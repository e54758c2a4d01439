// "check": what is wrong or fragile in a neighborhood file. Two passes, both
// linear in the file: the groups' text (what the reader skips, defaults or
// cannot resolve), then the neighborhood as read (links that do not agree).
#include <algorithm>
#include <cstdint>
#include <iostream>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "Commands.h"
#include "base/Text.h"
#include "base/Utf8Text.h"
#include "model/Vocabulary.h"
#include "storage/GroupFile.h"
#include "storage/NeighborhoodKeys.h"

namespace {

std::string Quoted(std::string_view text) { return "\"" + TextAsUtf8(text) + "\""; }
// A Sim's full name, its two names decoded one by one.
std::string Quoted(const Sim& sim) { return "\"" + sim.ShownFullName() + "\""; }

class Checker {
public:
    Checker(const LoadedNeighborhood& hood) : hood_(hood), reg_(hood.registry) {}

    void CheckText(const GroupFile& groups);
    void CheckLinks();
    const std::vector<std::string>& Problems() const { return problems_; }

private:
    void Report(std::string line) { problems_.push_back(std::move(line)); }
    void CheckFamilyGroup(const Group& group, size_t index);
    void CheckDuplicateKeys(const Group& group, const std::string& where);
    void CheckMember(const Group& group, const std::string& family, int32_t m,
                     std::unordered_set<std::string_view>& firstNames, int64_t& budget);
    void CheckEntries(const Group& group, const std::string& who, char prefix, const char* countKey,
                      int32_t m, int64_t& budget);
    void CheckParent(const Group& group, const std::string& who, const char* linkKey, const char* nameKey,
                     const char* role, int32_t m);
    bool Find(const Group& group, std::string_view key, std::string_view& value) {
        return group.FindValue(key, value);
    }
    bool NamesSomebody(std::string_view fullName) const { return reg_.FindSimIdByName(fullName) != -1; }

    const LoadedNeighborhood& hood_;
    const SimRegistry& reg_;
    KeyBuffer keys_;
    std::vector<std::string> problems_;
    std::unordered_map<std::string_view, int> familyNames_;
};

void Checker::CheckText(const GroupFile& groups) {
    size_t first = 0;
    if (groups.At(0).Name() == "settings") {
        if (!groups.At(0).HasKey("CareerVers"))
            Report("the \"settings\" group has no CareerVers line: the career version counts as 0.0");
        first = 1;
    } else {
        Report("the file does not start with a \"settings\" group: the career version counts as 0.0");
    }
    for (size_t i = first; i < groups.Size(); ++i) {
        CheckFamilyGroup(groups.At(i), i);
        groups.At(i).ReleaseIndex();
    }
}

void Checker::CheckDuplicateKeys(const Group& group, const std::string& where) {
    std::unordered_set<std::string_view> seen;
    std::string_view body = group.Body();
    size_t at = 0;
    while (at < body.size()) {
        size_t end = body.find('\n', at);
        if (end == std::string_view::npos) end = body.size();
        std::string_view line = body.substr(at, end - at);
        size_t eq = line.find('=');
        if (eq != std::string_view::npos) {
            std::string_view key = line.substr(0, eq);
            if (!seen.insert(key).second)
                Report(where + ": the key " + Quoted(key) + " appears more than once; only its first line is read");
        }
        at = end + 1;
    }
}

void Checker::CheckFamilyGroup(const Group& group, size_t index) {
    const std::string family = group.Name().empty() ? "group " + std::to_string(index) + " (no name)"
                                                    : "family " + Quoted(group.Name());
    if (group.Name().empty()) {
        if (group.LineCount() > 0 && index == 0)
            Report("lines before the first group header belong to no family and are not read");
        else if (group.LineCount() > 0)
            Report(family + ": a group without a name is not read");
        return;
    }
    if (++familyNames_[group.Name()] == 2)
        Report(family + ": two families have this name; their members' names lead to the first family's Sims");
    CheckDuplicateKeys(group, family);

    std::string_view value;
    if (!Find(group, "NumMembers", value)) {
        Report(family + ": no NumMembers line, so the family is not read");
        return;
    }
    int32_t count = group.FindNumber("NumMembers", 0);
    if (count <= 0) {
        Report(family + ": NumMembers=" + std::string(value) + ", so the family is not read");
        return;
    }
    const int64_t lines = static_cast<int64_t>(group.LineCount());
    if (count > lines)
        Report(family + ": NumMembers=" + std::to_string(count) + " is more than the group's " +
               std::to_string(lines) + " lines");
    const int32_t members = static_cast<int32_t>(std::min<int64_t>(count, lines));
    int32_t named = 0;
    std::unordered_set<std::string_view> firstNames;
    int64_t budget = 4 * lines + 64;  // as the reader: entry lookups stay proportional to the group
    for (int32_t m = 0; m < members; ++m) {
        std::string_view name;
        if (Find(group, keys_.Member("Name", m), name) && !name.empty()) ++named;
        CheckMember(group, family, m, firstNames, budget);
    }
    if (named < count)
        Report(family + ": NumMembers=" + std::to_string(count) + " but only " + std::to_string(named) +
               " members have a name");
}

void Checker::CheckMember(const Group& group, const std::string& family, int32_t m,
                          std::unordered_set<std::string_view>& firstNames, int64_t& budget) {
    std::string_view firstName;
    if (!Find(group, keys_.Member("Name", m), firstName) || firstName.empty()) return;
    const std::string who = family + ", member " + std::to_string(m) + " " + Quoted(firstName);
    if (!firstNames.insert(firstName).second) {
        Report(who + ": a second member with this first name is not read");
        return;
    }
    std::string_view value;
    if (!Find(group, keys_.Member("Sign", m), value))
        Report(who + ": no Sign line");
    else if (int32_t sign = group.FindNumber(keys_.Member("Sign", m), 0); sign != 0 && SignIndexForCode(sign) < 0)
        Report(who + ": Sign=" + std::string(value) + " is not a sign");
    if (!Find(group, keys_.Member("Gender", m), value))
        Report(who + ": no Gender line");
    else if (value != "0" && value != "1")
        Report(who + ": Gender=" + std::string(value) + " is neither 0 nor 1");
    if (Find(group, keys_.Member("Age", m), value)) {
        int32_t age = group.FindNumber(keys_.Member("Age", m), 1);
        if (age < 0 || age >= kLifeStageCount) Report(who + ": Age=" + std::string(value) + " is not a life stage");
    }

    int32_t status = group.FindNumber(keys_.Member("Status", m), kStatusSingle);
    if (status < 0 || status >= kStatusCount)
        Report(who + ": Status=" + std::to_string(status) + " is not a status");
    std::string_view match;
    bool hasMatch = Find(group, keys_.Member("Match", m), match) && !match.empty();
    if (status != kStatusSingle && status != kStatusNone && !hasMatch)
        Report(who + ": status " + std::to_string(status) + " without a partner's name; loads as Single");
    if (status != kStatusSingle && hasMatch && !NamesSomebody(match))
        Report(who + ": partner " + Quoted(match) + " names nobody");

    if (!hood_.careers.careers.IsEmpty() && Find(group, keys_.Member("Career", m), value)) {
        int32_t code = group.FindNumber(keys_.Member("Career", m), kCareerUnemployed);
        if (hood_.file.CareerUpdate()) code = RenumberLegacyCareer(code);
        if (code != kCareerUnemployed && code != kCareerSchool && code != kCareerEmployee &&
            !hood_.careers.careers.FindByEnum(code))
            Report(who + ": career " + std::to_string(code) + " is not in the career table");
    }
    if (Find(group, keys_.Member("Level", m), value)) {
        int32_t level = group.FindNumber(keys_.Member("Level", m), 0);
        if (level < 0 || level > 13) Report(who + ": Level=" + std::string(value) + " is not a career level");
    }

    CheckParent(group, who, "MomLiv", "Mom", "mother", m);
    CheckParent(group, who, "DadLiv", "Dad", "father", m);
    CheckEntries(group, who, 'F', "FriendCount", m, budget);
    CheckEntries(group, who, 'C', "ChemCount", m, budget);
}

void Checker::CheckParent(const Group& group, const std::string& who, const char* linkKey, const char* nameKey,
                          const char* role, int32_t m) {
    if (group.FindNumber(keys_.Member(linkKey, m), 0) != 1) return;
    std::string_view name;
    if (!Find(group, keys_.Member(nameKey, m), name) || name.empty())
        Report(who + ": the " + role + " is marked as a Sim but has no name");
    else if (!NamesSomebody(name))
        Report(who + ": the " + role + " " + Quoted(name) + " is marked as a Sim but names nobody");
}

void Checker::CheckEntries(const Group& group, const std::string& who, char prefix, const char* countKey,
                           int32_t m, int64_t& budget) {
    const char* what = prefix == 'F' ? "friend" : "chemistry";
    int32_t count = group.FindNumber(keys_.Member(countKey, m), 0);
    if (count <= 0) return;
    if (count > static_cast<int64_t>(group.LineCount()) || count > budget) {
        Report(who + ": " + countKey + std::to_string(m) + "=" + std::to_string(count) +
               " is more than the lines of the family");
        budget = 0;
        return;
    }
    int32_t present = 0;
    for (int32_t j = 0; j < count; ++j) {
        --budget;
        std::string_view value;
        bool found = KeyBuffer::NeedsSeparator(m, j) && Find(group, keys_.SeparatedPair(prefix, m, j), value);
        if (!found) found = Find(group, keys_.PlainPair(prefix, m, j), value);
        if (!found) continue;
        ++present;
        std::string_view name = value;
        if (prefix == 'C') {
            size_t comma = value.rfind(',');
            if (comma == std::string_view::npos) {
                Report(who + ": chemistry line " + Quoted(value) + " has no type");
            } else {
                name = value.substr(0, comma);
                int32_t type = AtoiLike(value.substr(comma + 1));
                if (type < 0 || type > 3)
                    Report(who + ": chemistry with " + Quoted(name) + " has type " + std::to_string(type) +
                           ", which is not a chemistry type");
            }
        }
        if (!NamesSomebody(name)) Report(who + ": " + what + " " + Quoted(name) + " names nobody");
    }
    if (present < count)
        Report(who + ": " + countKey + std::to_string(m) + "=" + std::to_string(count) + " but only " +
               std::to_string(present) + " " + what + " lines");
}

void Checker::CheckLinks() {
    std::unordered_map<std::string, int> fullNames;
    for (const Sim* sim : reg_.allSims) {
        const std::string name = sim->FullName();
        const std::string who = Quoted(*sim);
        if (++fullNames[name] == 2)
            Report("two Sims are named " + who + "; references to that name lead to the first");
        if (sim->partnerId != -1) {
            const Sim* partner = reg_.FindSim(sim->partnerId);
            if (partner == sim)
                Report(who + " is their own partner");
            else if (partner && partner->partnerId != sim->id)
                Report(who + "'s partner " + Quoted(*partner) + " does not have " + who +
                       " as partner");
            else if (partner && partner->status != sim->status)
                Report(who + " has status " + std::to_string(sim->status) + " but their partner " +
                       Quoted(*partner) + " has status " + std::to_string(partner->status));
        }
        std::unordered_set<int32_t> friends;
        for (int32_t id : sim->friendIds) {
            const Sim* f = reg_.FindSim(id);
            if (!f) continue;
            if (f == sim)
                Report(who + " is their own friend");
            else if (!friends.insert(id).second)
                Report(who + " has " + Quoted(*f) + " as friend more than once");
        }
        std::unordered_set<int32_t> chemistry;
        for (const ChemistryEntry& entry : sim->chemistry) {
            const Sim* other = reg_.FindSim(entry.simId);
            if (!other) continue;
            if (other == sim)
                Report(who + " has chemistry with themselves");
            else if (!chemistry.insert(entry.simId).second)
                Report(who + " has chemistry with " + Quoted(*other) + " more than once");
        }
    }
}

}  // namespace

int RunCheck(const CliOptions& options, const std::string& path) {
    LoadedNeighborhood hood(options);
    if (!hood.LoadCareers() || !hood.LoadFile(path, true)) return kExitError;
    Checker checker(hood);
    GroupFile groups = GroupFile::ParseGroups(std::move(hood.text));
    if (!groups.Empty()) checker.CheckText(groups);
    checker.CheckLinks();
    for (const std::string& line : checker.Problems()) std::cout << path << ": " << line << '\n';
    if (checker.Problems().empty()) {
        std::cout << path << ": no problems found\n";
        return kExitOk;
    }
    return kExitProblems;
}
