#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "careers/SimCareerData.h"
#include "model/ChemistryEntry.h"
#include "model/ParentRef.h"

class Family;
class Sim;

/// Everything the neighborhood keeps of one Sim, as it was at a moment, or
/// that the Sim was not there. Links are kept as ids, as the Sim keeps them.
struct SimImage {
    bool present = false;
    int32_t id = -1;
    uint64_t registration = 0;
    int32_t familyId = -1;
    int32_t sign = 0;
    int32_t likes = 0;
    int32_t status = 0;
    int32_t partnerId = -1;
    bool male = false;
    bool townie = false;
    bool vampire = false;
    bool atCollege = false;
    bool momLinkPending = false;
    bool dadLinkPending = false;
    std::string firstName;
    std::string lastName;
    std::string signName;
    std::vector<int32_t> friendIds;
    std::vector<ChemistryEntry> chemistry;
    ParentRef mom;
    ParentRef dad;
    SimCareerData career;
    int32_t degree = 0;
    int32_t aspiration = 0;

    static SimImage Of(const Sim& sim);
    /// Writes the image's fields into a Sim (not its family, nor its registration).
    void ApplyTo(Sim& sim) const;
    bool operator==(const SimImage& other) const;
    /// Roughly the memory the image holds, for the history's accounting.
    size_t Bytes() const;
};

/// Everything the neighborhood keeps of one family, as it was at a moment, or
/// that the family was not there. Members are kept as Sim ids in their order.
struct FamilyImage {
    bool present = false;
    int32_t id = -1;
    /// The family's place in the family list, counted in families; only known
    /// for a family that was added or removed (others keep their place).
    size_t place = 0;
    std::string name;
    bool homeless = false;
    int32_t memberCount = 0;
    int32_t friendCount = 0;
    std::vector<int32_t> memberIds;
    std::vector<int32_t> friendIds;
    std::vector<int32_t> friendCounts;

    static FamilyImage Of(const Family& family);
    /// Writes the name, flags and family friends (not the members).
    void ApplyTo(Family& family) const;
    bool operator==(const FamilyImage& other) const;
    size_t Bytes() const;
};
