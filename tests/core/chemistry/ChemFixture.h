#pragma once
#include "model/ModelFixture.h"
#include "model/Vocabulary.h"

/// A registry with helpers that make Sims of a life stage and link them.
class ChemTest : public ModelTest {
protected:
    Sim* Make(Family* family, const std::string& first, bool male, int32_t stage = kLifeStageTeen) {
        Sim* sim = MakeSim(family, first, 64, male);
        sim->career.lifeStage = stage;
        return sim;
    }
    /// One-sided chemistry entry (as a hand-edited file may hold).
    static void Chem(Sim* from, const Sim* to, int32_t type) { from->chemistry.Append(to->id, type); }
    static void Partners(Sim* a, Sim* b, int32_t status) {
        a->status = b->status = status;
        a->partnerId = b->id;
        b->partnerId = a->id;
    }
};
