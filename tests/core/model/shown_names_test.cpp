// Names shown to the user: each stored text is decoded on its own, so a first name
// and a family name stored in different encodings join into one readable name, while
// lookups keep comparing the stored bytes.
#include <gtest/gtest.h>

#include <string>

#include "model/ModelFixture.h"
#include "model/Sim.h"

namespace {

struct Encoded {
    const char* bytes;
    const char* shown;  // UTF-8
};

const Encoded kFirstNames[] = {{"Ann", "Ann"}, {"Zo\xC3\xAB", "Zo\xC3\xAB"}, {"In\xE9s", "In\xC3\xA9s"}};
const Encoded kFamilyNames[] = {
    {"Lee", "Lee"}, {"Gr\xC3\xB6\xC3\x9F", "Gr\xC3\xB6\xC3\x9F"}, {"Mu\xF1oz", "Mu\xC3\xB1oz"}};

class ShownNamesTest : public ModelTest {};

TEST_F(ShownNamesTest, EveryCombinationOfEncodingsShowsBothNamesRight) {
    for (const Encoded& familyName : kFamilyNames) {
        Family* family = MakeFamily(familyName.bytes);
        for (const Encoded& first : kFirstNames) {
            SCOPED_TRACE(std::string(first.bytes) + " " + familyName.bytes);
            Sim* sim = MakeSim(family, first.bytes, 64);
            const std::string shown = std::string(first.shown) + " " + familyName.shown;
            EXPECT_EQ(sim->ShownFullName(), shown);
            EXPECT_EQ(sim->ListLabel(), shown + " (Leo)");
            EXPECT_EQ(sim->ListLabelWithFriends(), shown + " (Leo)(0)");
            // Lookups keep the stored bytes.
            EXPECT_EQ(sim->FullName(), std::string(first.bytes) + " " + familyName.bytes);
            EXPECT_EQ(reg.FindSimIdByName(sim->FullName()), sim->id);
        }
        EXPECT_EQ(family->ListLabel(reg), std::string(familyName.shown) + " (0)");
    }
}

TEST_F(ShownNamesTest, ParentsShowTheirNamesDecoded) {
    Family* munoz = MakeFamily("Mu\xF1oz");
    Sim* mom = MakeSim(munoz, "Zo\xC3\xAB");
    Sim* child = MakeSim(munoz, "Ann");
    child->mom.SetSim(mom->id);
    child->dad.name = "Jos\xE9 Mu\xF1oz";  // typed in, read from an older file
    EXPECT_EQ(child->mom.ShownName(reg), "Zo\xC3\xAB Mu\xC3\xB1oz");
    EXPECT_EQ(child->dad.ShownName(reg), "Jos\xC3\xA9 Mu\xC3\xB1oz");
    EXPECT_EQ(child->dad.DisplayName(reg), "Jos\xE9 Mu\xF1oz");
    // Deleted, the mother stays a typed-in name that still shows decoded, though
    // her two names were stored in different encodings.
    reg.RemoveSim(mom);
    EXPECT_FALSE(child->mom.isSim);
    EXPECT_EQ(child->mom.ShownName(reg), "Zo\xC3\xAB Mu\xC3\xB1oz");
    // Names of one encoding keep their bytes.
    Sim* dad = MakeSim(munoz, "Jos\xE9");
    child->dad.SetSim(dad->id);
    reg.RemoveSim(dad);
    EXPECT_EQ(child->dad.name, "Jos\xE9 Mu\xF1oz");
    EXPECT_EQ(child->dad.ShownName(reg), "Jos\xC3\xA9 Mu\xC3\xB1oz");
}

}  // namespace
