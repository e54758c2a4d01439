#include "model/NameLookup.h"

#include <string>

#include "base/Utf8Text.h"
#include "model/Family.h"
#include "model/FamilyList.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"

Family* FindFamilyByTypedName(const FamilyList& families, std::string_view name) {
    for (Family* family : families)
        if (family->name == name) return family;
    const std::string wanted = TextAsUtf8(name);
    for (Family* family : families)
        if (TextAsUtf8(family->name) == wanted) return family;
    return nullptr;
}

Sim* FindSimByTypedName(const SimRegistry& registry, std::string_view fullName) {
    if (Sim* sim = registry.FindSimByName(fullName)) return sim;
    const std::string wanted = TextAsUtf8(fullName);
    for (Sim* sim : registry.allSims)
        if (sim->ShownFullName() == wanted) return sim;
    return nullptr;
}
