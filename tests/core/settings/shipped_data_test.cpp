// Checks the data files that ship in resources/Data: the career file, the
// default names list and the example neighborhood.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "base/FileIO.h"
#include "base/IdCounters.h"
#include "base/Text.h"
#include "careers/NestrelCareerInfo.h"
#include "model/Family.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"
#include "model/Vocabulary.h"
#include "names/WordFileNames.h"
#include "storage/CareerFile.h"
#include "storage/GroupFile.h"
#include "storage/NeighborhoodFile.h"
#include "support/RecordingPrompter.h"

namespace {

// The source tree's resources folder stands in for an install directory.
std::string InstallDir() {
    const char* root = std::getenv("NESTREL_SOURCE_DIR");
    return std::string(root ? root : ".") + "/resources";
}

std::string DataPath(const char* name) { return InstallDir() + "/Data/" + name; }

std::vector<std::string> SplitKeepEmpty(std::string_view text, char sep) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        size_t at = text.find(sep, start);
        parts.emplace_back(text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos) break;
        start = at + 1;
    }
    return parts;
}

TEST(ShippedDataTest, CareerFileHoldsTenCareersInLegacyOrder) {
    GroupFile file = GroupFile::LoadGroups(DataPath("SimCareers.ini"));
    ASSERT_EQ(file.Size(), 11u);
    ASSERT_EQ(file.At(0).Name(), "settings");
    EXPECT_EQ(file.At(0).FindText("vers"), "1.0");

    // Hours must be in the form the availability rule parses; 12 is left out
    // on purpose, since that rule reads "12p" as midnight.
    const std::regex hoursForm("(1[01]|[1-9])[ap]-(1[01]|[1-9])[ap]");
    std::set<int32_t> numbers;
    for (int legacy = 0; legacy < 10; ++legacy) {
        const Group& career = file.At(static_cast<size_t>(legacy) + 1);
        SCOPED_TRACE(std::string(career.Name()));
        // Older files are renumbered n -> n + 1; that must land on the career
        // the old number meant.
        EXPECT_EQ(career.Name(), LegacyCareerText(legacy));
        EXPECT_EQ(career.FindNumber("Enum", -1), RenumberLegacyCareer(legacy));
        numbers.insert(career.FindNumber("Enum", -1));
        int32_t skills = career.FindNumber("Skills", 0);
        EXPECT_GT(skills, 0);
        EXPECT_LT(skills, 128);

        for (int slot = 0; slot < 13; ++slot) {
            std::string value = career.FindText("L" + std::to_string(slot));
            std::vector<std::string> parts = SplitKeepEmpty(value, ',');
            ASSERT_EQ(parts.size(), 4u) << "L" << slot << "=" << value;
            EXPECT_FALSE(parts[0].empty());
            EXPECT_GE(AtoiLike(parts[1]), 0);
            EXPECT_GT(AtoiLike(parts[2]), 0);
            EXPECT_TRUE(std::regex_match(parts[3], hoursForm)) << parts[3];
            // A worker is busy during some of the day and free some of it.
            int busy = 0;
            for (int hour = 7; hour <= 24; ++hour) busy += !IsAvailableWithHours(parts[3], 1, false, hour);
            EXPECT_GT(busy, 0) << parts[3];
            EXPECT_LT(busy, 18) << parts[3];
        }
        // The full-time track pays more at every level.
        for (int slot = 1; slot < 10; ++slot) {
            auto salary = [&](int s) { return AtoiLike(SplitKeepEmpty(career.FindText("L" + std::to_string(s)), ',')[2]); };
            EXPECT_GT(salary(slot), salary(slot - 1)) << "L" << slot;
        }
    }
    EXPECT_EQ(numbers.size(), 10u);
}

TEST(ShippedDataTest, NamesFileHasPlentyOfEachKindWithoutDuplicates) {
    WordFileNames names;
    ASSERT_TRUE(names.Load(DataPath("defaultNamesList.snf")));
    for (const std::vector<std::string>* list : {&names.femaleNames, &names.maleNames, &names.lastNames}) {
        EXPECT_GE(list->size(), 150u);
        std::set<std::string> lower;
        for (const std::string& name : *list) {
            EXPECT_TRUE(lower.insert(AsciiLower(name)).second) << name;
            EXPECT_TRUE(name[0] >= 'A' && name[0] <= 'Z') << name;
        }
    }
}

// Every reference in the example neighborhood (partner, friend, chemistry,
// living parent) names a Sim of the file, and links are written on both sides.
TEST(ShippedDataTest, ExampleNeighborhoodReferencesResolveInTheFile) {
    GroupFile file = GroupFile::LoadGroups(DataPath("Example.NBD"));
    ASSERT_GE(file.Size(), 13u);
    ASSERT_EQ(file.At(0).Name(), "settings");
    EXPECT_EQ(file.At(0).FindText("CareerVers"), "1.0");

    struct Member {
        int32_t status = 3;
        std::string partner;
        std::set<std::string> friends;
        std::map<std::string, int32_t> chemistry;
    };
    std::map<std::string, Member> sims;
    std::vector<std::string> parents;
    std::set<std::string> families;
    int homeless = 0, townies = 0, vampires = 0, college = 0;
    std::set<int32_t> stages, careers;
    for (size_t g = 1; g < file.Size(); ++g) {
        const Group& family = file.At(g);
        std::string name(family.Name());
        EXPECT_TRUE(families.insert(name).second) << name;
        int32_t count = family.FindNumber("NumMembers", 0);
        EXPECT_GE(count, 1);
        EXPECT_LE(count, 10);
        homeless += family.HasKey("Homeless");
        for (int m = 0; m < count; ++m) {
            auto key = [m](const char* k) { return k + std::to_string(m); };
            std::string full = family.FindText(key("Name")) + " " + name;
            ASSERT_FALSE(family.FindText(key("Name")).empty());
            Member& sim = sims[full];
            sim.status = family.FindNumber(key("Status"), 3);
            sim.partner = family.FindText(key("Match"));
            EXPECT_EQ(sim.status == 0 || sim.status == 3, sim.partner.empty()) << full;
            townies += family.FindNumber(key("Townie"), 0) == 1;
            vampires += family.FindNumber(key("Vampire"), 0) == 1;
            college += family.FindNumber(key("College"), 0) == 1;
            stages.insert(family.FindNumber(key("Age"), 1));
            careers.insert(family.FindNumber(key("Career"), -2));
            for (const char* parent : {"Mom", "Dad"}) {
                if (family.FindNumber(key((std::string(parent) + "Liv").c_str()), 0) == 1)
                    parents.push_back(family.FindText(key(parent)));
            }
            int32_t friends = family.FindNumber(key("FriendCount"), 0);
            EXPECT_LE(friends, 10);
            for (int j = 0; j < friends; ++j) {
                ASSERT_TRUE(family.HasKey("F" + std::to_string(m) + std::to_string(j)));
                sim.friends.insert(family.FindText("F" + std::to_string(m) + std::to_string(j)));
            }
            int32_t chem = family.FindNumber(key("ChemCount"), 0);
            EXPECT_LE(chem, 10);
            for (int j = 0; j < chem; ++j) {
                std::string value = family.FindText("C" + std::to_string(m) + std::to_string(j));
                size_t comma = value.find(',');
                ASSERT_NE(comma, std::string::npos) << value;
                sim.chemistry[value.substr(0, comma)] = AtoiLike(value.substr(comma + 1));
            }
        }
    }
    EXPECT_EQ(families.size(), 12u);
    EXPECT_EQ(homeless, 1);
    EXPECT_GE(townies, 2);
    EXPECT_GE(vampires, 1);
    EXPECT_GE(college, 2);
    EXPECT_EQ(stages, (std::set<int32_t>{0, 1, 2, 3}));
    EXPECT_GE(careers.size(), 10u);

    for (const auto& [full, sim] : sims) {
        SCOPED_TRACE(full);
        if (!sim.partner.empty()) {
            ASSERT_TRUE(sims.count(sim.partner)) << sim.partner;
            EXPECT_EQ(sims[sim.partner].partner, full);
            EXPECT_EQ(sims[sim.partner].status, sim.status);
        }
        for (const std::string& f : sim.friends) {
            ASSERT_TRUE(sims.count(f)) << f;
            EXPECT_TRUE(sims[f].friends.count(full)) << f;
        }
        for (const auto& [other, type] : sim.chemistry) {
            ASSERT_TRUE(sims.count(other)) << other;
            EXPECT_EQ(sims[other].chemistry.count(full) ? sims[other].chemistry[full] : -9, type);
        }
    }
    for (const std::string& parent : parents) EXPECT_TRUE(sims.count(parent)) << parent;
}

TEST(ShippedDataTest, CareerFileReadsAsTheProgramReadsIt) {
    NestrelCareerInfo info;
    ASSERT_TRUE(ReadCareerFile(info.careers, info.version, InstallDir()));
    EXPECT_EQ(info.version, "1.0");
    ASSERT_EQ(info.careers.Count(), 10u);
    for (int i = 0; i < 10; ++i) {
        const CareerDefinition* career = info.careers.At(i);
        EXPECT_EQ(career->enumValue, i + 1);
        EXPECT_FALSE(career->noPartTimeTrack) << career->name;
        for (int slot = 0; slot < kCareerSlots; ++slot) EXPECT_FALSE(career->hours[slot].empty());
    }
}

// The example reads without a message, every reference resolves to a Sim,
// and writing it back gives the very same bytes (an unresolved name would be
// dropped by the writer).
TEST(ShippedDataTest, ExampleNeighborhoodReadsWithEveryNameResolved) {
    IdCounters counters;
    RecordingPrompter prompter;
    SimRegistry registry(counters, prompter);
    NestrelCareerInfo info;
    ASSERT_TRUE(ReadCareerFile(info.careers, info.version, InstallDir()));

    NeighborhoodFile file;
    file.SetRegistry(&registry);
    file.SetCareerInfo(&info);
    file.SetPrompter(&prompter);
    file.SetInstallDir(InstallDir());
    file.SetCareerVersion(info.version);
    ASSERT_TRUE(file.Read(DataPath("Example.NBD")));
    for (const auto& message : prompter.messages) ADD_FAILURE() << message.caption << ": " << message.text;
    EXPECT_FALSE(file.CareerUpdate());
    EXPECT_EQ(registry.families.Count(), 12u);

    int partners = 0, friends = 0, chemistry = 0, linkedParents = 0;
    for (const Sim* sim : registry.allSims) {
        SCOPED_TRACE(sim->FullName());
        if (sim->status != 0 && sim->status != 3) {
            const Sim* partner = registry.FindSim(sim->partnerId);
            ASSERT_NE(partner, nullptr);
            EXPECT_EQ(partner->partnerId, sim->id);
            EXPECT_EQ(partner->status, sim->status);
            ++partners;
        }
        for (int32_t id : sim->friendIds) EXPECT_NE(registry.FindSim(id), nullptr);
        friends += static_cast<int>(sim->friendIds.size());
        chemistry += static_cast<int>(sim->chemistry.Count());
        for (const ParentRef* parent : {&sim->mom, &sim->dad}) {
            if (!parent->isSim) continue;
            EXPECT_NE(registry.FindSim(parent->simId), nullptr) << parent->name;
            ++linkedParents;
        }
        if (sim->career.careerCode > 0) {
            ASSERT_NE(sim->career.definition, nullptr);
            EXPECT_FALSE(sim->career.GetPositionName().empty());
        }
    }
    EXPECT_GE(partners, 20);
    EXPECT_GE(friends, 80);
    EXPECT_GE(chemistry, 30);
    EXPECT_GE(linkedParents, 30);

    std::string original;
    ASSERT_TRUE(ReadWholeFile(DataPath("Example.NBD"), original));
    EXPECT_EQ(file.WriteToText(), original);
}

}  // namespace
