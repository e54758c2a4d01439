#include "model/ChemistryEntry.h"

#include "model/Sim.h"
#include "model/SimRegistry.h"
#include "model/Vocabulary.h"

ChemistryEntry::ChemistryEntry(int32_t otherId, int32_t chemistryType)
    : simId(otherId), type(NormalizeChemistryType(chemistryType)) {}

std::string ChemistryEntry::TypeName() const { return ChemistryTypeText(type); }

std::string ChemistryEntry::OtherFullName(const SimRegistry& registry) const {
    const Sim* other = registry.FindSim(simId);
    return other ? other->FullName() : std::string();
}
