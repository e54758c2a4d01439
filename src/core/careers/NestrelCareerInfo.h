#pragma once
#include <string>

#include "careers/CareerList.h"
#include "careers/SimCareerData.h"

/// The career table of the running program and the career file's version.
class NestrelCareerInfo {
public:
    virtual ~NestrelCareerInfo() = default;

    CareerList careers;
    std::string version = "0.0";

    /// Attaches the first career whose number equals the placement's code and
    /// rebuilds its text; an unmatched code keeps the old definition (the
    /// text is rebuilt all the same). Does nothing when the table is empty.
    void FindCareer(SimCareerData& data) const;
};

/// "Unemployed", "School", "Employee" for -2, -1, 0 (translated); otherwise the
/// name of the first career with that number, or empty text (also for a
/// missing list).
std::string CareerNameForCode(const CareerList* list, int32_t code);
