#include "reports/SimCard.h"

#include "base/Translate.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"
#include "model/Vocabulary.h"
#include "reports/ReportText.h"

SimCard BuildSimCard(const SimRegistry& registry, const Sim& sim) {
    SimCard card;
    const Sim* partnerSim = sim.Partner(registry);
    std::string partner = partnerSim ? partnerSim->ShownFullName() : std::string();
    if (partner.empty()) partner = tr("None");
    card.rows = {
        {tr("Name: "), sim.ShownFullName()},
        {tr("Sign: "), sim.signName},
        {tr("Townie?: "), sim.townie ? tr("Yes") : tr("No")},
        {tr("Gender: "), sim.male ? tr("Male") : tr("Female")},
        {tr("Match: "), partner},
    };
    card.careerText = sim.career.careerText.empty() ? tr("Unknown") : sim.career.careerText;
    card.friendsText = tr("Friends: ") + std::to_string(sim.friendIds.size());
    return card;
}

std::vector<std::string> SimFriendNames(const SimRegistry& registry, const Sim& sim) {
    std::vector<std::string> names;
    names.reserve(sim.friendIds.size());
    for (size_t i = 0; i < sim.friendIds.size(); ++i) {
        const Sim* friendSim = registry.FindSim(sim.friendIds[i]);
        names.push_back(friendSim ? friendSim->ShownFullName() : std::string());
    }
    SortForList(names);
    return names;
}

std::string SimFriendsHeading(const Sim& sim) {
    return tr("Friends for ") + sim.ShownFullName() + ":";
}

std::string ListTotalText(size_t count) { return tr("Total: ") + std::to_string(count); }
