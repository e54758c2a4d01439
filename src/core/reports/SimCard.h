#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class Sim;
class SimRegistry;

/// What the Sim information card shows for one Sim.
struct SimCard {
    /// "Name: ", "Sign: ", "Townie?: ", "Gender: ", "Match: " with their values.
    std::vector<std::pair<std::string, std::string>> rows;
    /// The Sim's career text, or "Unknown" when it has none.
    std::string careerText;
    /// "Friends: %d", counting every friend id, also one that no longer resolves.
    std::string friendsText;
};

SimCard BuildSimCard(const SimRegistry& registry, const Sim& sim);

/// The card's friend list: one entry per friend id in the order the list shows them,
/// an empty entry for a friend that no longer exists (the list still counts it).
std::vector<std::string> SimFriendNames(const SimRegistry& registry, const Sim& sim);

/// "Friends for %s:" with the Sim's full name, the friend list's heading.
std::string SimFriendsHeading(const Sim& sim);

/// "Total: %d", the line under every Sim list.
std::string ListTotalText(size_t count);
