#pragma once

class SimRegistry;

/// Recounts the family friends of every family, with the same result as
/// Family::RecountFriends on each in turn. Whether a friend is a member is
/// settled from tables built in one walk over the Sims, instead of reading
/// each friend's record where it lies: on a large neighborhood those reads
/// go all over memory, about one per friendship.
void RecountEveryFamily(SimRegistry& registry);
