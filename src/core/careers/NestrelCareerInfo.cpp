#include "careers/NestrelCareerInfo.h"

#include "base/Translate.h"

void NestrelCareerInfo::FindCareer(SimCareerData& data) const {
    if (careers.IsEmpty()) return;
    if (const CareerDefinition* found = careers.FindByEnum(data.careerCode))
        data.AttachDefinition(found);
    data.RebuildText();
}

std::string CareerNameForCode(const CareerList* list, int32_t code) {
    if (!list) return std::string();
    switch (code) {
        case kCareerUnemployed: return tr("Unemployed");
        case kCareerSchool: return tr("School");
        case kCareerEmployee: return tr("Employee");
        default: break;
    }
    const CareerDefinition* found = list->FindByEnum(code);
    return found ? found->name : std::string();
}
