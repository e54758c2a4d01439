#pragma once
#include <cstdint>
#include <string>

#include "careers/CareerDefinition.h"

/// The career information text shown for a placement (life stage, career,
/// level, position, friends needed, salary, hours).
std::string BuildCareerText(const CareerDefinition* definition, int32_t careerCode,
                            int32_t lifeStage, int32_t level);
