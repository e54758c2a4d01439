#include "history/RecordImage.h"

#include <tuple>

#include "model/Family.h"
#include "model/SimRegistry.h"

namespace {

bool SameParent(const ParentRef& a, const ParentRef& b) {
    return a.name == b.name && a.simId == b.simId && a.isSim == b.isSim;
}

bool SameCareer(const SimCareerData& a, const SimCareerData& b) {
    return a.definition == b.definition && a.careerCode == b.careerCode && a.lifeStage == b.lifeStage &&
           a.level == b.level && a.careerText == b.careerText;
}

bool SameChemistry(const std::vector<ChemistryEntry>& a, const std::vector<ChemistryEntry>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i].simId != b[i].simId || a[i].type != b[i].type) return false;
    return true;
}

}  // namespace

SimImage SimImage::Of(const Sim& sim) {
    SimImage image;
    image.present = true;
    image.id = sim.id;
    image.registration = SimRegistry::RegistrationOf(sim);
    image.familyId = sim.family ? sim.family->id : -1;
    image.sign = sim.sign;
    image.likes = sim.likes;
    image.status = sim.status;
    image.partnerId = sim.partnerId;
    image.male = sim.male;
    image.townie = sim.townie;
    image.vampire = sim.vampire;
    image.atCollege = sim.atCollege;
    image.momLinkPending = sim.momLinkPending;
    image.dadLinkPending = sim.dadLinkPending;
    image.firstName = sim.firstName;
    image.lastName = sim.lastName;
    image.signName = sim.signName;
    image.friendIds = sim.friendIds;
    image.chemistry.assign(sim.chemistry.begin(), sim.chemistry.end());
    image.mom = sim.mom;
    image.dad = sim.dad;
    image.career = sim.career;
    image.degree = sim.degree;
    image.aspiration = sim.aspiration;
    return image;
}

void SimImage::ApplyTo(Sim& sim) const {
    sim.id = id;
    sim.sign = sign;
    sim.likes = likes;
    sim.status = status;
    sim.partnerId = partnerId;
    sim.male = male;
    sim.townie = townie;
    sim.vampire = vampire;
    sim.atCollege = atCollege;
    sim.momLinkPending = momLinkPending;
    sim.dadLinkPending = dadLinkPending;
    sim.firstName = firstName;
    sim.lastName = lastName;
    sim.signName = signName;
    sim.friendIds = friendIds;
    sim.chemistry.Clear();
    for (const ChemistryEntry& entry : chemistry) sim.chemistry.Append(entry.simId, entry.type);
    sim.mom = mom;
    sim.dad = dad;
    sim.career = career;
    sim.degree = degree;
    sim.aspiration = aspiration;
}

bool SimImage::operator==(const SimImage& o) const {
    if (present != o.present) return false;
    if (!present) return true;
    return std::tie(id, registration, familyId, sign, likes, status, partnerId, male, townie, vampire, atCollege,
                    momLinkPending, dadLinkPending, firstName, lastName, signName, friendIds, degree, aspiration) ==
               std::tie(o.id, o.registration, o.familyId, o.sign, o.likes, o.status, o.partnerId, o.male, o.townie,
                        o.vampire, o.atCollege, o.momLinkPending, o.dadLinkPending, o.firstName, o.lastName,
                        o.signName, o.friendIds, o.degree, o.aspiration) &&
           SameChemistry(chemistry, o.chemistry) && SameParent(mom, o.mom) && SameParent(dad, o.dad) &&
           SameCareer(career, o.career);
}

size_t SimImage::Bytes() const {
    return sizeof(SimImage) + firstName.capacity() + lastName.capacity() + signName.capacity() +
           friendIds.capacity() * sizeof(int32_t) + chemistry.capacity() * sizeof(ChemistryEntry) +
           mom.name.capacity() + dad.name.capacity() + career.careerText.capacity();
}

FamilyImage FamilyImage::Of(const Family& family) {
    FamilyImage image;
    image.present = true;
    image.id = family.id;
    image.name = family.name;
    image.homeless = family.homeless;
    image.memberCount = family.memberCount;
    image.friendCount = family.friendCount;
    image.memberIds.reserve(family.members.Count());
    for (const Sim* member : family.members) image.memberIds.push_back(member->id);
    image.friendIds = family.friendIds;
    image.friendCounts = family.friendCounts;
    return image;
}

void FamilyImage::ApplyTo(Family& family) const {
    family.name = name;
    family.homeless = homeless;
    family.memberCount = memberCount;
    family.friendCount = friendCount;
    family.friendIds = friendIds;
    family.friendCounts = friendCounts;
}

bool FamilyImage::operator==(const FamilyImage& o) const {
    if (present != o.present) return false;
    if (!present) return true;
    return std::tie(id, name, homeless, memberCount, friendCount, memberIds, friendIds, friendCounts) ==
           std::tie(o.id, o.name, o.homeless, o.memberCount, o.friendCount, o.memberIds, o.friendIds,
                    o.friendCounts);
}

size_t FamilyImage::Bytes() const {
    return sizeof(FamilyImage) + name.capacity() +
           (memberIds.capacity() + friendIds.capacity() + friendCounts.capacity()) * sizeof(int32_t);
}
