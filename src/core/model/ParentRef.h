#pragma once
#include <cstdint>
#include <string>
#include <utility>

class Sim;
class SimRegistry;

/// A parent who may or may not be a Sim of the neighborhood: a typed name, or
/// a Sim id when `isSim` is set.
struct ParentRef {
    std::string name;
    int32_t simId = -1;
    bool isSim = false;

    /// Stores a typed name and forgets any linked Sim.
    void SetName(std::string text) {
        name = std::move(text);
        simId = -1;
        isSim = false;
    }
    /// Stores a Sim's full name as a typed name (for a parent who leaves the
    /// neighborhood). The stored bytes are the full name's, unless its two names
    /// are in different encodings: then the name as shown, so that it still shows
    /// the same once it is one text.
    void SetNameOf(const ::Sim& sim);
    /// Links the reference to a Sim of the neighborhood.
    void SetSim(int32_t id) {
        simId = id;
        isSim = true;
    }
    /// The linked Sim's full name (empty when it no longer exists) when the
    /// reference names a Sim or has no typed name; otherwise the typed name.
    std::string DisplayName(const SimRegistry& registry) const;
    /// Whether DisplayName has any text, found without building it (a Sim's full
    /// name always has its blank).
    bool HasDisplayName(const SimRegistry& registry) const;
    /// DisplayName as shown to the user: a Sim's names, or the typed-in name, each
    /// decoded on its own (see base/Utf8Text.h).
    std::string ShownName(const SimRegistry& registry) const;
    /// The Sim with `simId`, whatever `isSim` says; nullptr when none.
    ::Sim* Sim(const SimRegistry& registry) const;
};
