#pragma once
#include <cstdint>
#include <string>

class SimRegistry;

/// One chemistry link: the other Sim's id and the chemistry type
/// (0 Medium, 1 High, 2 Crush or Love, -1 none).
struct ChemistryEntry {
    int32_t simId = -1;
    int32_t type = -1;

    ChemistryEntry() = default;
    /// The type is brought into range (NormalizeChemistryType).
    ChemistryEntry(int32_t otherId, int32_t chemistryType);

    std::string TypeName() const;
    /// The other Sim's full name, or empty text when it is not found.
    std::string OtherFullName(const SimRegistry& registry) const;
};
