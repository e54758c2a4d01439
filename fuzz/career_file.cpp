// Reads arbitrary bytes as a career data file and places Sims in every career
// read, at every level and life stage, building their texts and hours.
#include <cstdint>
#include <string>

#include "careers/NestrelCareerInfo.h"
#include "careers/SimCareerData.h"
#include "model/Sim.h"
#include "storage/CareerFile.h"
#include "storage/GroupFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    NestrelCareerInfo info;
    GroupFile groups = GroupFile::ParseGroups(std::string(reinterpret_cast<const char*>(data), size));
    ReadCareerGroups(groups, info.careers, info.version);
    for (const CareerDefinition* def : info.careers) {
        for (int stage = 0; stage < 4; ++stage) {
            for (int level = -1; level <= 14; level += 3) {
                SimCareerData career;
                career.SetCareer(def, stage, level, false);
                (void)career.GetPositionName();
                std::string hours = career.GetHours();
                for (int hour = 7; hour <= 24; ++hour) (void)IsAvailableWithHours(hours, stage, false, hour);
                if (career.IsPromotable()) career.Promote();
                CareerFromStoredValues(career, stage, def->enumValue, static_cast<int16_t>(level), stage == 1, &info);
            }
        }
    }
    return 0;
}
