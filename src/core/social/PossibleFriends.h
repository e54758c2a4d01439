#pragma once
#include <cstdint>
#include <vector>

class Sim;
class SimRegistry;

// The three sets of Sims the main window's display list can show for one
// Sim, as lists of Sim ids in the order the display list receives them.

/// Every Sim of the neighborhood whose sign the given Sim's sign likes, in
/// all-Sims order: sign not 0 and lying wholly within the Sim's `likes`
/// mask. Family, friends, partners, townies and homeless Sims all qualify;
/// the other Sim's own likes and either Sim's dislikes play no part. A Sim
/// without a sign has none. The Sim itself is never listed.
std::vector<int32_t> PossibleFriends(const SimRegistry& registry, const Sim& sim);

/// The Sim's friends, in the order of its friend list.
std::vector<int32_t> CurrentFriendIds(const Sim& sim);

/// The Sims the given Sim has chemistry with, in the order of its chemistry list.
std::vector<int32_t> ChemistrySimIds(const Sim& sim);
