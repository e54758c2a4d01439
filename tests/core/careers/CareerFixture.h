#pragma once
#include <memory>

#include "careers/CareerDefinition.h"

/// A career whose slot i holds position "P<i>", i friends, salary 100 * (i + 1)
/// and hours "9a-<i>p" ... with slot 2 as the Clerk of the help text example.
inline std::unique_ptr<CareerDefinition> MakeCareer(const std::string& name, int32_t number) {
    auto def = std::make_unique<CareerDefinition>(name, number, 0);
    for (int i = 0; i < kCareerSlots; ++i) {
        def->positions[size_t(i)] = "P" + std::to_string(i);
        def->friendsPerLevel[size_t(i)] = i;
        def->salaries[size_t(i)] = 100 * (i + 1);
        def->hours[size_t(i)] = "9a-" + std::to_string(1 + i % 11) + "p";
    }
    def->positions[2] = "Clerk";
    def->friendsPerLevel[2] = 1;
    def->salaries[2] = 300;
    def->hours[2] = "9a-4p";
    return def;
}
