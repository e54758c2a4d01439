#pragma once
#include <cstdint>
#include <string>

class NestrelCareerInfo;
class SimRegistry;

/// What a synthetic neighborhood looks like. The same options and seed always
/// give the same neighborhood, byte for byte once written.
struct GeneratorOptions {
    int64_t sims = 1000;
    uint64_t seed = 1;
    /// Ordinary families have 1 to this many members.
    int32_t maxFamilySize = 8;
    /// Some families (about one in twenty) get 11 to 40 members.
    bool largeFamilies = false;
    /// Some Sims (about one in twenty) get 11 to 30 friends and chemistry
    /// with up to 15 Sims.
    bool manyFriends = false;
    /// Friends each Sim makes on average (mirrored, so each Sim ends up with
    /// about twice as many).
    int32_t friendsPerSim = 2;
    /// Share of families that are homeless, in percent.
    int32_t homelessPercent = 3;
};

/// Fills an empty registry (its id counters set) with families, members,
/// partners, parents over several generations (Sims of the neighborhood and
/// typed-in names), friends, chemistry and homeless families, through the
/// model's own operations. Careers are taken from `careers` when it has any.
void GenerateNeighborhood(SimRegistry& registry, const NestrelCareerInfo* careers,
                          const GeneratorOptions& options);

/// The generated neighborhood as the program writes it, with `careerVersion`
/// in its "settings" group.
std::string GenerateNeighborhoodText(const GeneratorOptions& options,
                                     const std::string& careerVersion = "1.0");

/// Generates and writes the file atomically with the program's writer. False
/// (with the reason in `error`) when it cannot be written.
bool GenerateNeighborhoodFile(const GeneratorOptions& options, const std::string& path,
                              const std::string& careerVersion = "1.0", std::string* error = nullptr);
