#pragma once
#include <string>
#include <vector>

class Sim;
class SimRegistry;

/// What deleting some Sims changes for the Sims that stay, by full name in the
/// order of all Sims: the partners whose own link is to a leaving Sim (they
/// become Single), the children who keep a leaving parent as a typed-in name,
/// and the friends who lose a friend. Links among the leaving Sims are not
/// counted.
struct DeletionEffects {
    std::vector<std::string> partners;
    std::vector<std::string> children;
    std::vector<std::string> friends;
    bool Empty() const { return partners.empty() && children.empty() && friends.empty(); }
};

DeletionEffects EffectsOfDeleting(const SimRegistry& registry, const std::vector<const Sim*>& leaving);

/// The lines a delete question adds for these effects (names shown as UTF-8, a
/// long list cut short with the number left out); empty text when nothing else
/// changes.
std::string DeletionEffectsText(const DeletionEffects& effects);
