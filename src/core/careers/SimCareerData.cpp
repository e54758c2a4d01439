#include "careers/SimCareerData.h"

#include "careers/CareerText.h"
#include "model/Vocabulary.h"

SimCareerData::SimCareerData() { RebuildText(); }

SimCareerData::SimCareerData(int32_t stage, int32_t code, int16_t storedLevel)
    : careerCode(code), lifeStage(stage), level(storedLevel) {
    RebuildText();
}

void SimCareerData::SetCareer(const CareerDefinition* def, int32_t stage, int32_t newLevel,
                              bool employee) {
    definition = def;
    int32_t stored = newLevel < 0 ? 0 : newLevel;
    // Teens work on the part-time track, levels 11 to 13.
    if (stage == kLifeStageTeen && newLevel <= 10) stored += 10;
    if (stored > 13) stored = 3;
    level = static_cast<int16_t>(stored);
    if (def)
        careerCode = def->enumValue;
    else if (employee)
        careerCode = kCareerEmployee;
    else if (stage == kLifeStageTeen || stage == kLifeStageChild)
        careerCode = kCareerSchool;
    else
        careerCode = kCareerUnemployed;
    lifeStage = stage;
    RebuildText();
}

std::string SimCareerData::GetCareerName() const {
    return definition ? definition->name : std::string();
}

std::string SimCareerData::GetPositionName() const {
    if (!definition || level < 1 || level > kCareerSlots) return std::string();
    return definition->positions[static_cast<size_t>(level - 1)];
}

std::string SimCareerData::GetHours() const {
    if (definition) {
        // A level beyond the slots (only a damaged file holds one) has no hours.
        if (level < 1 || level > kCareerSlots) return kHoursNone;
        return definition->hours[static_cast<size_t>(level - 1)];
    }
    if (careerCode == kCareerEmployee) return kHoursEmployee;
    if (lifeStage == kLifeStageTeen) return kHoursTeenSchool;
    if (lifeStage == kLifeStageChild) return kHoursChildSchool;
    return kHoursNone;
}

void SimCareerData::RebuildText() {
    careerText = BuildCareerText(definition, careerCode, lifeStage, level);
}

bool SimCareerData::IsPromotable() const {
    if (level == 10 || level == 13) return false;
    if (careerCode == kCareerUnemployed || careerCode == kCareerSchool ||
        careerCode == kCareerEmployee)
        return false;
    return GetHours() != kHoursNone;
}

void SimCareerData::Promote() {
    // Levels from 13 up are the top of the part-time track or beyond any
    // slot; raising them further would only move away from the table.
    if (level == 10 || level >= 13 || lifeStage == kLifeStageChild) return;
    ++level;
    RebuildText();
}
