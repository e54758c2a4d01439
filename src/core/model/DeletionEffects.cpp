#include "model/DeletionEffects.h"

#include <unordered_set>

#include "base/Translate.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"
#include "model/TextFormat.h"

DeletionEffects EffectsOfDeleting(const SimRegistry& registry, const std::vector<const Sim*>& leaving) {
    DeletionEffects effects;
    std::unordered_set<const Sim*> going(leaving.begin(), leaving.end());
    // A link counts when it resolves to a leaving Sim the way the deletion
    // will find it: by id, first registered Sim wins.
    auto leads = [&](int32_t id) {
        const Sim* sim = registry.FindSim(id);
        return sim != nullptr && going.count(sim) > 0;
    };
    auto parentLeaves = [&](const ParentRef& ref) { return (ref.isSim || ref.name.empty()) && leads(ref.simId); };
    // As the deletion does it: a partner is freed when its own link is to the
    // leaving Sim, and the friends dropped are those on the leaving Sim's list.
    std::unordered_set<const Sim*> freed, losing;
    for (const Sim* sim : leaving) {
        if (const Sim* partner = registry.FindSim(sim->partnerId);
            partner && !going.count(partner) && partner->partnerId == sim->id)
            freed.insert(partner);
        for (int32_t id : sim->friendIds)
            if (const Sim* other = registry.FindSim(id); other && !going.count(other)) losing.insert(other);
    }
    for (const Sim* sim : registry.allSims) {
        if (going.count(sim)) continue;
        if (freed.count(sim)) effects.partners.push_back(sim->ShownFullName());
        if (parentLeaves(sim->mom) || parentLeaves(sim->dad)) effects.children.push_back(sim->ShownFullName());
        if (losing.count(sim)) effects.friends.push_back(sim->ShownFullName());
    }
    return effects;
}

namespace {

// Names joined by ", "; past a handful the rest is counted.
std::string NameList(const std::vector<std::string>& names) {
    constexpr size_t kShown = 6;
    std::string out;
    for (size_t i = 0; i < names.size() && i < kShown; ++i) {
        if (i > 0) out += ", ";
        out += names[i];
    }
    if (names.size() > kShown) out += FormatTextV(tr(" and %d more"), static_cast<int>(names.size() - kShown));
    return out;
}

}  // namespace

std::string DeletionEffectsText(const DeletionEffects& effects) {
    if (effects.Empty()) return {};
    std::string text = tr("This also changes:");
    auto line = [&](const std::vector<std::string>& names, const char* one, const char* many) {
        if (names.empty()) return;
        text += "\n" + FormatTextV(tr(names.size() == 1 ? one : many), NameList(names).c_str());
    };
    line(effects.partners, N_("Partner who becomes Single: %s"), N_("Partners who become Single: %s"));
    line(effects.children, N_("Child who keeps the deleted Sim as a typed-in parent: %s"),
         N_("Children who keep the deleted Sim as a typed-in parent: %s"));
    line(effects.friends, N_("Friend who loses a friend: %s"), N_("Friends who lose a friend: %s"));
    return text;
}
