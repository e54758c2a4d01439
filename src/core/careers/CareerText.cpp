#include "careers/CareerText.h"

#include "base/Translate.h"
#include "careers/SimCareerData.h"
#include "model/TextFormat.h"
#include "model/Vocabulary.h"

std::string BuildCareerText(const CareerDefinition* definition, int32_t careerCode,
                            int32_t lifeStage, int32_t level) {
    std::string careerLine, levelLine, levelNameLine, friendsLine, salaryLine, hoursLine;
    const std::string first = tr("Age Level: ") + LifeStageText(lifeStage) + "\n";

    if (definition) {
        int64_t t = int64_t(level) - 1;
        careerLine = tr("Career: ") + definition->name + "\n";
        if (lifeStage == kLifeStageTeen) {
            if (t < 10) t += 10;
            levelLine = FormatTextV(tr("Level: Teen %d\n"), int(t - 9));
        } else if (lifeStage != kLifeStageElder || t < 10) {
            levelLine = FormatTextV(tr("Level: %d\n"), int(t + 1));
        } else {
            levelLine = FormatTextV(tr("Level: Elder %d\n"), int(t - 9));
        }
        if (t >= 0 && t < kCareerSlots) {
            const size_t slot = static_cast<size_t>(t);
            levelNameLine = tr("Level Name: ") + definition->positions[slot] + "\n";
            friendsLine =
                FormatTextV(tr("Friends for promotion: %d\n"), int(definition->friendsPerLevel[slot]));
            salaryLine = tr("Salary: ") + std::to_string(definition->salaries[slot]) + "\n";
            hoursLine = tr("Hours: ") + definition->hours[slot];
        }
    } else {
        switch (careerCode) {
            case kCareerSchool:
                hoursLine = tr("Hours: ") +
                            (lifeStage == kLifeStageTeen ? kHoursTeenSchool : kHoursChildSchool);
                careerLine = tr("Career: School\n");
                break;
            case kCareerUnemployed:
                hoursLine = tr("Hours: ") + kHoursNone;
                careerLine = tr("Career: Unemployed\n");
                break;
            case kCareerEmployee:
                hoursLine = tr("Hours: ") + kHoursEmployee;
                careerLine = tr("Career: Employee\n");
                break;
            default:
                break;
        }
        friendsLine = tr("Friends Needed: 0\n");
        salaryLine = tr("Salary: 0\n");
    }
    return first + careerLine + levelLine + levelNameLine + friendsLine + salaryLine + hoursLine;
}
