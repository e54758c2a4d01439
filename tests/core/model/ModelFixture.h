#pragma once
#include <gtest/gtest.h>

#include "base/IdCounters.h"
#include "model/SimRegistry.h"
#include "support/RecordingPrompter.h"

/// A registry with counters and a recording prompter, and helpers that make
/// families and Sims the way the program does.
class ModelTest : public ::testing::Test {
protected:
    IdCounters counters;
    RecordingPrompter prompter;
    SimRegistry reg{counters, prompter};

    Family* MakeFamily(const std::string& name) { return reg.AddFamily(reg.NewFamily(name)); }

    Sim* MakeSim(Family* family, const std::string& first, int32_t sign = 64, bool male = false) {
        return reg.AddSim(reg.NewSim(first, family ? family->name : "", sign, male), false, family);
    }
};
