#include "careers/Promotion.h"

#include "base/Prompter.h"
#include "base/Translate.h"
#include "model/Sim.h"
#include "model/TextFormat.h"
#include "model/Vocabulary.h"

bool PromoteSim(Sim& sim, Prompter& prompter) {
    SimCareerData& career = sim.career;
    // Promote leaves a Child where it is; saying it was promoted would be wrong.
    if (!career.IsPromotable() || career.lifeStage == kLifeStageChild) {
        prompter.Notice(FormatTextV(tr("%s is NOT promotable."), sim.ShownFullName().c_str()), tr("Message"));
        return false;
    }
    const std::string careerName = career.GetCareerName();
    career.Promote();
    const std::string position = career.GetPositionName();
    prompter.Notice(FormatTextV(tr("%s was promoted in the field of %s to %s! (Level %d)"),
                                sim.ShownFullName().c_str(), careerName.c_str(), position.c_str(), int(career.level)),
                    tr("Promotion!"));
    return true;
}
