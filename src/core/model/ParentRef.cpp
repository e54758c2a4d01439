#include "model/ParentRef.h"

#include "base/Utf8Text.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"

std::string ParentRef::DisplayName(const SimRegistry& registry) const {
    if (isSim || name.empty()) {
        const ::Sim* parent = registry.FindSim(simId);
        return parent ? parent->FullName() : std::string();
    }
    return name;
}

bool ParentRef::HasDisplayName(const SimRegistry& registry) const {
    if (isSim || name.empty()) return registry.FindSim(simId) != nullptr;
    return true;
}

std::string ParentRef::ShownName(const SimRegistry& registry) const {
    if (isSim || name.empty()) {
        const ::Sim* parent = registry.FindSim(simId);
        return parent ? parent->ShownFullName() : std::string();
    }
    return TextAsUtf8(name);
}

void ParentRef::SetNameOf(const ::Sim& sim) {
    std::string full = sim.FullName();
    std::string shown = sim.ShownFullName();
    SetName(TextAsUtf8(full) == shown ? std::move(full) : std::move(shown));
}

::Sim* ParentRef::Sim(const SimRegistry& registry) const { return registry.FindSim(simId); }
