#include "app/DisplayMode.h"

#include "base/Translate.h"
#include "social/PossibleFriends.h"

std::string DisplayModeLabel(DisplayMode mode) {
    switch (mode) {
        case DisplayMode::CurrentFriends:
            return tr("Current Friends:");
        case DisplayMode::PossibleFriends:
            return tr("Possible Friends (Left Sim likes):");
        case DisplayMode::ChemistrySims:
            return tr("Chemistry Sims:");
        case DisplayMode::Nothing:
        default:
            return tr("Display List:");
    }
}

DisplayMode DisplayModeForLabel(const std::string& label) {
    if (label == DisplayModeLabel(DisplayMode::Nothing)) return DisplayMode::Nothing;
    if (label == DisplayModeLabel(DisplayMode::CurrentFriends)) return DisplayMode::CurrentFriends;
    if (label == DisplayModeLabel(DisplayMode::ChemistrySims)) return DisplayMode::ChemistrySims;
    return DisplayMode::PossibleFriends;
}

DisplayRequest DisplayRequestFor(DisplayMode mode, const SimRegistry& registry, const Sim& sim,
                                 int hour) {
    DisplayRequest request;
    request.reference = &sim;
    request.hour = hour;
    switch (mode) {
        case DisplayMode::CurrentFriends:
            request.ids = CurrentFriendIds(sim);
            request.allFriends = true;
            break;
        case DisplayMode::PossibleFriends:
            request.ids = PossibleFriends(registry, sim);
            break;
        case DisplayMode::ChemistrySims:
            request.ids = ChemistrySimIds(sim);
            break;
        case DisplayMode::Nothing:
            break;
    }
    return request;
}
