#include "editing/SimEdit.h"

#include <algorithm>

#include "base/Prompter.h"
#include "base/Translate.h"
#include "editing/FriendsRules.h"
#include "editing/LoveRules.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"
#include "model/TextFormat.h"
#include "model/Vocabulary.h"

SimStatusFlags StatusFlagsOf(const Sim& sim) { return SimStatusFlags{sim.townie, sim.vampire, sim.atCollege}; }

bool SameCareerRecord(const SimCareerData& a, const SimCareerData& b) {
    return a.definition == b.definition && a.careerCode == b.careerCode && a.lifeStage == b.lifeStage &&
           a.level == b.level && a.careerText == b.careerText;
}

bool PartnershipFitsLifeStage(int32_t status, int32_t lifeStage) {
    if (status != kStatusMarried && status != kStatusCommitted) return true;
    const std::vector<int32_t> offered = StatusChoices(lifeStage);
    return std::find(offered.begin(), offered.end(), status) != offered.end();
}

void ConfirmLifeStage(const SimRegistry& registry, const Sim& sim, SimEdit& edit, Prompter& prompter) {
    if (!edit.career || edit.career->lifeStage == sim.LifeStage()) return;
    const MatchChoice match = edit.match.value_or(MatchChoice{sim.status, sim.partnerId});
    const int32_t stage = edit.career->lifeStage;
    if (PartnershipFitsLifeStage(match.status, stage)) return;
    const Sim* partner = registry.FindSim(match.partnerId);
    const std::string name = edit.basic.firstName.empty() ? sim.ShownFullName()
                                                          : edit.basic.firstName + " " + sim.ResolvedLastName();
    const std::string question =
        partner ? FormatTextV(tr("%s is %s to %s, which a %s cannot be.\nEnd the partnership on both sides?\n"
                                 "(No keeps the age %s.)"),
                              name.c_str(), StatusText(match.status).c_str(), partner->ShownFullName().c_str(),
                              LifeStageText(stage).c_str(), LifeStageText(sim.LifeStage()).c_str())
                : FormatTextV(tr("%s is %s, which a %s cannot be.\nEnd the partnership?\n(No keeps the age %s.)"),
                              name.c_str(), StatusText(match.status).c_str(), LifeStageText(stage).c_str(),
                              LifeStageText(sim.LifeStage()).c_str());
    if (prompter.AskYesNo(question, tr("Question"))) {
        edit.match = MatchChoice{kStatusSingle, -1};
        return;
    }
    // The age stays, and with it the career record: what the page offered was
    // chosen for the refused life stage.
    edit.career.reset();
}

void ApplySimEdit(SimRegistry& registry, Sim& sim, const SimEdit& edit) {
    registry.Touch(&sim);
    ApplyBasicInfo(sim, registry, edit.basic);
    if (edit.flags) {
        sim.townie = edit.flags->townie;
        sim.vampire = edit.flags->vampire;
        sim.atCollege = edit.flags->atCollege;
    }
    if (edit.career) sim.career = *edit.career;
    if (edit.friends) SaveFriends(registry, sim, *edit.friends);
    if (edit.match) ApplyMatch(registry, sim, edit.match->status, edit.match->partnerId);
    if (edit.chemistry) SaveChemistry(registry, sim, *edit.chemistry);
}
