#pragma once
#include <cstdint>
#include <string>

#include "careers/CareerDefinition.h"

/// Career codes that are not careers of the table.
constexpr int32_t kCareerUnemployed = -2;
constexpr int32_t kCareerSchool = -1;
constexpr int32_t kCareerEmployee = 0;

/// A Sim's career placement; it also carries the Sim's life stage. Copied by
/// value field by field (the Sim editor works on a copy).
class SimCareerData {
public:
    SimCareerData();
    /// A placement as stored in a file: fields taken as given, no definition;
    /// the text is built.
    SimCareerData(int32_t lifeStage, int32_t careerCode, int16_t level);
    virtual ~SimCareerData() = default;
    SimCareerData(const SimCareerData&) = default;
    SimCareerData& operator=(const SimCareerData&) = default;

    /// The career's definition in the career table; none for the fixed codes
    /// and for codes no career carries.
    const CareerDefinition* definition = nullptr;
    int32_t careerCode = kCareerUnemployed;
    /// 0 Elder, 1 Adult, 2 Teen, 3 Child.
    int32_t lifeStage = 1;
    /// 1..13; 0 = none.
    int16_t level = 0;
    std::string careerText;

    /// Places the Sim in a career (or, without one, at School, as Employee or
    /// Unemployed); Teens are moved onto the part-time levels 11..13.
    void SetCareer(const CareerDefinition* def, int32_t stage, int32_t newLevel, bool employee);
    /// Sets the definition without rebuilding the text.
    void AttachDefinition(const CareerDefinition* def) { definition = def; }
    std::string GetCareerName() const;
    /// The position at the current level; empty without a definition or
    /// outside levels 1..13.
    std::string GetPositionName() const;
    /// The working hours at the current level ("9a-5p" form) or "None".
    std::string GetHours() const;
    /// Rebuilds careerText from the fields.
    void RebuildText();

    /// Not at a track top (10, 13), in a real career, with working hours.
    bool IsPromotable() const;
    /// Raises the level by one unless at a track top or a Child; rebuilds the text.
    void Promote();
};
