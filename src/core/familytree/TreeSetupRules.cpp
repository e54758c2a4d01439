#include "familytree/TreeSetupRules.h"

#include <deque>
#include <unordered_map>

#include "base/FileIO.h"
#include "base/Text.h"
#include "base/Translate.h"
#include "base/Utf8Text.h"
#include "model/Family.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"
#include "model/TextFormat.h"
#include "model/Vocabulary.h"

std::vector<SetupFamilyRow> SetupTreeRows(const SimRegistry& registry, bool removeCompleted) {
    std::vector<SetupFamilyRow> rows;
    for (const Family* family : registry.familyIndex) {
        if (family == nullptr) continue;
        if (removeCompleted && !family->HasMemberWithoutParent(registry)) continue;
        if (family->AllMembersTownies()) continue;
        SetupFamilyRow row;
        row.familyId = family->id;
        row.name = TextAsUtf8(family->name);
        for (const Sim* member : family->members) {
            if (removeCompleted && member->HasKnownParent(registry)) continue;
            row.members.push_back({member->id, member->ShownFullName()});
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

bool IsSimilarFamilyName(const std::string& familyName, const std::string& currentName) {
    const std::string name = AsciiLower(familyName);
    const std::string current = AsciiLower(currentName);
    const size_t length = current.size();
    // A name shorter than the characters taken off leaves the empty text, which every
    // name contains.
    const std::string shorter1 = length >= 1 ? current.substr(0, length - 1) : std::string();
    const std::string shorter2 = length >= 2 ? current.substr(0, length - 2) : std::string();
    return name.find(current) != std::string::npos || name.find(shorter1) != std::string::npos ||
           name.find(shorter2) != std::string::npos;
}

namespace {

void AddAdults(const Family& family, ParentCandidates& out) {
    for (const Sim* member : family.members) {
        const int32_t stage = member->LifeStage();
        if (stage != kLifeStageElder && stage != kLifeStageAdult) continue;
        // "family, first" as shown, each name decoded on its own.
        std::string shown;
        AppendAsUtf8(shown, member->ResolvedLastName());
        shown += ", ";
        AppendAsUtf8(shown, member->firstName);
        (member->male ? out.fathers : out.mothers).push_back({member->id, std::move(shown)});
    }
}

}  // namespace

ParentCandidates SetupCandidates(const SimRegistry& registry, const Family* current, const CandidateFilter& filter) {
    ParentCandidates out;
    if (filter.immediateFamily) {
        if (current != nullptr) AddAdults(*current, out);
        return out;
    }
    const std::string match = AsciiLower(filter.matchText);
    for (const Family* family : registry.familyIndex) {
        if (family == nullptr) continue;
        if (!match.empty()) {
            if (AsciiLower(family->name).find(match) != std::string::npos) AddAdults(*family, out);
        } else if (!filter.similarNames) {
            AddAdults(*family, out);
        } else {
            if (current == nullptr) break;
            if (IsSimilarFamilyName(family->name, current->name)) AddAdults(*family, out);
        }
    }
    return out;
}

ParentChoice CurrentParent(const SimRegistry& registry, const ParentRef& ref) {
    ParentChoice choice;
    choice.name = ref.ShownName(registry);
    choice.set = !choice.name.empty();
    choice.simId = ref.simId;
    return choice;
}

namespace {

void ApplySide(ParentRef& ref, const ParentChoice& choice) {
    if (choice.simId == -1)
        ref.SetName(choice.name);
    else
        ref.SetSim(choice.simId);
}

}  // namespace

std::vector<std::string> AncestorLoop(const SimRegistry& registry, int32_t childId, int32_t parentId) {
    const Sim* child = registry.FindSim(childId);
    const Sim* start = registry.FindSim(parentId);
    if (child == nullptr || start == nullptr || child == start) return {};
    // Up from the would-be parent through its Sim parents, breadth first, each Sim
    // once (the links may already hold loops); `below` leads back down the way found.
    std::unordered_map<const Sim*, const Sim*> below{{start, nullptr}};
    std::deque<const Sim*> queue{start};
    while (!queue.empty()) {
        const Sim* sim = queue.front();
        queue.pop_front();
        for (const ParentRef* ref : {&sim->mom, &sim->dad}) {
            if (!ref->isSim && !ref->name.empty()) continue;  // a typed-in name ends the line
            const Sim* parent = ref->Sim(registry);
            if (parent == nullptr || !below.emplace(parent, sim).second) continue;
            if (parent == child) {
                std::vector<std::string> loop;
                for (const Sim* step = child; step != nullptr; step = below[step]) loop.push_back(step->ShownFullName());
                loop.push_back(child->ShownFullName());
                return loop;
            }
            queue.push_back(parent);
        }
    }
    return {};
}

namespace {

std::string LoopMessage(const std::vector<std::string>& loop, bool mother) {
    std::string chain;
    for (const std::string& name : loop) chain += (chain.empty() ? "" : " > ") + name;
    return FormatTextV(tr(mother ? N_("%s cannot be the mother of %s, who is her ancestor (each the parent of the "
                                      "next: %s).")
                                 : N_("%s cannot be the father of %s, who is his ancestor (each the parent of the "
                                      "next: %s).")),
                       loop[loop.size() - 2].c_str(), loop.front().c_str(), chain.c_str());
}

}  // namespace

int ApplyParents(SimRegistry& registry, const std::vector<int32_t>& targets, const ParentChoice& mother,
                 const ParentChoice& father, std::vector<std::string>* refused, std::vector<std::string>* loops) {
    int changed = 0;
    for (int32_t id : targets) {
        Sim* sim = registry.FindSim(id);
        if (sim == nullptr) continue;
        bool did = false;
        bool selfParent = false;
        auto side = [&](ParentRef& ref, const ParentChoice& choice, bool isMother) {
            if (!choice.set) return;
            if (choice.simId != -1 && choice.simId == sim->id) {
                selfParent = true;
                return;
            }
            if (choice.simId != -1) {
                if (const std::vector<std::string> loop = AncestorLoop(registry, sim->id, choice.simId);
                    !loop.empty()) {
                    if (loops != nullptr) loops->push_back(LoopMessage(loop, isMother));
                    return;
                }
            }
            registry.Touch(sim);
            ApplySide(ref, choice);
            did = true;
        };
        side(sim->mom, mother, true);
        side(sim->dad, father, false);
        if (selfParent && refused != nullptr) refused->push_back(sim->ShownFullName());
        if (did) ++changed;
    }
    return changed;
}

std::vector<std::string> FamilyDataLines(const SimRegistry& registry) {
    std::vector<std::string> lines;
    for (const Family* family : registry.familyIndex) {
        if (family == nullptr) continue;
        for (const Sim* member : family->members) {
            lines.push_back(member->ShownFullName());
            const std::string mom = member->mom.ShownName(registry);
            if (!mom.empty()) lines.push_back("\tmother:" + mom);
            const std::string dad = member->dad.ShownName(registry);
            if (!dad.empty()) lines.push_back("\tfather:" + dad);
        }
    }
    return lines;
}

bool WriteFamilyData(const SimRegistry& registry, const std::string& path, std::string* error) {
    std::string text;
    for (const std::string& line : FamilyDataLines(registry)) {
        text += line;
        text += '\n';
    }
    return WriteFileAtomically(path, text, error);
}
