// Drives the undo history with arbitrary sequences of the changes the program
// makes (matches, friends, chemistry, parents, deletions, moves, transfers,
// new and deleted families, sorting), undoing and redoing as the bytes say.
// After every action each link must be two-sided and no id may dangle; each
// state reached must come back exactly when undo or redo returns to it; and
// undoing everything must give back the original file's bytes. Any fault aborts.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/IdCounters.h"
#include "base/Prompter.h"
#include "editing/LoveRules.h"
#include "history/NeighborhoodHistory.h"
#include "model/SimRegistry.h"
#include "model/Vocabulary.h"
#include "moves/HouseholdMoves.h"
#include "storage/NeighborhoodFile.h"
#include "storage/NeighborhoodSnapshot.h"

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "undo history fault: %s\n", what);
    std::abort();
}

struct Hood {
    IdCounters counters;
    SilentPrompter prompter;
    SimRegistry registry{counters, prompter};
    NeighborhoodFile file;
    Hood() { file.SetRegistry(&registry); }
    std::string State() {
        std::string state = file.WriteToText() + DescribeNeighborhood(registry);
        for (const Sim* sim : registry.allSims) state += " " + std::to_string(sim->id);
        return state;
    }
};

void CheckLinks(const SimRegistry& registry) {
    for (const Sim* sim : registry.allSims) {
        if (!sim->family || !sim->family->members.Contains(sim)) Fail("a Sim outside its family");
        if (sim->partnerId != -1) {
            const Sim* partner = registry.FindSim(sim->partnerId);
            if (!partner || partner->partnerId != sim->id) Fail("a one-sided partner");
        }
        for (int32_t id : sim->friendIds) {
            const Sim* other = registry.FindSim(id);
            if (!other || !other->HasFriend(sim->id)) Fail("a one-sided friend");
        }
        for (const ChemistryEntry& entry : sim->chemistry) {
            const Sim* other = registry.FindSim(entry.simId);
            if (!other || !other->chemistry.Contains(sim->id)) Fail("one-sided chemistry");
        }
        if ((sim->mom.isSim && !registry.FindSim(sim->mom.simId)) ||
            (sim->dad.isSim && !registry.FindSim(sim->dad.simId)))
            Fail("a parent id that names nobody");
    }
}

class Bytes {
public:
    Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool More() const { return at_ < size_; }
    uint8_t Next() { return at_ < size_ ? data_[at_++] : 0; }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

void Change(Hood& hood, Bytes& in, int serial) {
    SimRegistry& reg = hood.registry;
    std::vector<Sim*> sims(reg.allSims.begin(), reg.allSims.end());
    std::vector<Family*> families(reg.families.begin(), reg.families.end());
    const int kind = in.Next() % 10;
    if (sims.size() < 2 || kind == 0) {
        Family* family = reg.AddFamily(reg.NewFamily("F" + std::to_string(serial)));
        for (int i = 0; i < 2; ++i)
            reg.AddSim(reg.NewSim("M" + std::to_string(i), family->name, 1 << (serial % 12), i == 0), true, family);
        return;
    }
    Sim* a = sims[in.Next() % sims.size()];
    Sim* b = sims[in.Next() % sims.size()];
    Family* f = families[in.Next() % families.size()];
    switch (kind) {
        case 1: ApplyMatch(reg, *a, a == b ? kStatusSingle : kStatusMarried, a == b ? -1 : b->id); break;
        case 2: if (a != b) a->AddFriend(reg, b->id, true); break;
        case 3: if (a != b) a->AddChemistry(reg, b->id, in.Next() % 3, true); break;
        case 4: reg.RemoveSim(a); break;
        case 5: {
            std::vector<int32_t> ids{a->id};
            if (a->family->members.Count() > 1) MoveOut(reg, *a->family, ids, "Out" + std::to_string(serial));
            break;
        }
        case 6: TransferSim(reg, *a, *f); break;
        case 7:
            reg.Touch(a);
            if (a != b) a->mom.SetSim(b->id);
            a->aspiration = in.Next() % 7;
            break;
        case 8: a->Detach(reg); break;
        default:
            if (in.Next() % 2 && families.size() > 1) reg.RemoveFamilyWithMembers(f);
            reg.SortAndIndex();
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 4096) return 0;
    Hood hood;
    for (int f = 0; f < 3; ++f) {
        Family* family = hood.registry.AddFamily(hood.registry.NewFamily("Start" + std::to_string(f)));
        for (int m = 0; m < 3; ++m)
            hood.registry.AddSim(hood.registry.NewSim("S" + std::to_string(m), family->name, 1 << m, m % 2 == 1), true,
                                 family);
    }
    NeighborhoodHistory history(hood.registry, 64);
    const std::string original = hood.file.WriteToText();
    std::vector<std::string> states{hood.State()};
    size_t at = 0;
    Bytes in(data, size);
    for (int serial = 0; in.More(); ++serial) {
        const uint8_t action = in.Next() % 8;
        if (action == 0 && history.CanUndo()) {
            history.Undo();
            if (hood.State() != states[--at]) Fail("undo did not give back the state before");
        } else if (action == 1 && history.CanRedo()) {
            history.Redo();
            if (hood.State() != states[++at]) Fail("redo did not give back the state after");
        } else {
            history.Begin("Change");
            Change(hood, in, serial);
            if (history.End()) {
                states.resize(at + 1);
                states.push_back(hood.State());
                ++at;
                // The history keeps its newest steps only: so do the states.
                if (states.size() > history.StepCount() + 1) {
                    const size_t drop = states.size() - history.StepCount() - 1;
                    states.erase(states.begin(), states.begin() + static_cast<std::ptrdiff_t>(drop));
                    at -= drop;
                }
            } else if (hood.State() != states[at]) {
                Fail("a step said to change nothing changed something");
            }
        }
        CheckLinks(hood.registry);
    }
    if (history.StepCount() < 64) {
        while (history.Undo()) {
        }
        if (hood.file.WriteToText() != original) Fail("undoing everything did not give back the original file");
    }
    return 0;
}
