#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "careers/SimCareerData.h"
#include "editing/BasicInfoRules.h"
#include "model/ChemistryEntry.h"

class Prompter;
class Sim;
class SimRegistry;

/// The three flags of "Sim Status".
struct SimStatusFlags {
    bool townie = false;
    bool vampire = false;
    bool atCollege = false;
    bool operator==(const SimStatusFlags&) const = default;
};
SimStatusFlags StatusFlagsOf(const Sim& sim);

/// A status and a partner, as "Make Match" leaves them.
struct MatchChoice {
    int32_t status = 3;
    int32_t partnerId = -1;
    bool operator==(const MatchChoice&) const = default;
};

/// Everything one OK of the Edit Sim dialog writes. The basic page is always
/// written; every other part is there only when the user changed it while the
/// dialog was open, so an untouched part leaves this Sim and every Sim linked
/// to it exactly as they were (a one-sided link stays one-sided, a chemistry
/// entry keeps its type and its place).
struct SimEdit {
    BasicInfoChoice basic;
    std::optional<SimStatusFlags> flags;
    /// The whole career record as the page left it, promotions included.
    std::optional<SimCareerData> career;
    std::optional<std::vector<int32_t>> friends;
    std::optional<MatchChoice> match;
    std::optional<std::vector<ChemistryEntry>> chemistry;
};

/// Whether two career records hold the same career, level, life stage and text.
bool SameCareerRecord(const SimCareerData& a, const SimCareerData& b);

/// Whether a partnership of this status may stay with a Sim of this life
/// stage: the statuses "Make Match" offers it, or no partnership at all.
bool PartnershipFitsLifeStage(int32_t status, int32_t lifeStage);

/// Asked before an edit is written that gives the Sim a life stage its
/// partnership does not fit (a married Sim made a Child): whether to end the
/// partnership on both sides. Yes puts "Single" without partner into the edit;
/// No takes the career record out of the edit, so the age stays unchanged.
/// Nothing is asked when the age does not change or the partnership fits.
void ConfirmLifeStage(const SimRegistry& registry, const Sim& sim, SimEdit& edit, Prompter& prompter);

/// Writes an edit into the Sim in one step: basic info, then each part that is
/// there, links on both sides.
void ApplySimEdit(SimRegistry& registry, Sim& sim, const SimEdit& edit);
