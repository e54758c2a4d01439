#include <gtest/gtest.h>

#include <random>

#include "app/DisplayMode.h"
#include "app/DisplayRows.h"
#include "app/SimOrder.h"
#include "base/Text.h"
#include "careers/CareerDefinition.h"
#include "model/ModelFixture.h"

namespace {

constexpr int32_t kLeo = 64;
constexpr RgbColor kHlText{1, 2, 3};
constexpr RgbColor kHlBg{4, 5, 6};
constexpr RgbColor kLcText{7, 8, 9};
constexpr RgbColor kLcBg{10, 11, 12};

class DisplayRowsTest : public ModelTest {
protected:
    ProgramSettings settings;

    void SetUp() override {
        settings.hlColor = kHlText;
        settings.hlBgColor = kHlBg;
        settings.lcColor = kLcText;
        settings.lcBgColor = kLcBg;
    }

    std::vector<DisplayRow> Build(std::vector<int32_t> ids, const Sim* reference = nullptr,
                                  bool allFriends = false, int hour = 7) {
        return BuildDisplayRows({std::move(ids), reference, allFriends, hour}, reg, settings);
    }

    static std::vector<std::string> Names(const std::vector<DisplayRow>& rows) {
        std::vector<std::string> out;
        for (const DisplayRow& row : rows) out.push_back(row.nameAndSign);
        return out;
    }

    static void MakeEmployee(Sim* sim) { sim->career.careerCode = kCareerEmployee; }  // 9a-5p
};

TEST_F(DisplayRowsTest, EmptyIdListGivesOnlyTheNoFriendsRow) {
    settings.firstOrder = 4;
    std::vector<DisplayRow> rows = Build({});
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].nameAndSign, "No friends found");
    EXPECT_EQ(rows[0].friendText, "");
    EXPECT_EQ(rows[0].availableText, "");
    EXPECT_EQ(rows[0].simId, -1);
}

TEST_F(DisplayRowsTest, ColumnsAndSkippedIds) {
    Family* lee = MakeFamily("Lee");
    Sim* ann = MakeSim(lee, "Ann", kLeo);
    Sim* bob = MakeSim(lee, "Bob", 4, true);
    MakeEmployee(bob);
    std::vector<DisplayRow> rows = Build({-1, bob->id, 9999, ann->id, -5});
    ASSERT_EQ(rows.size(), 2u);  // no order codes: collected order
    EXPECT_EQ(rows[0].simId, bob->id);
    EXPECT_EQ(rows[0].nameAndSign, "Bob Lee (Cancer)");
    EXPECT_EQ(rows[0].hours, "9a-5p");
    EXPECT_EQ(rows[1].simId, ann->id);
    EXPECT_EQ(rows[1].nameAndSign, "Ann Lee (Leo)");
    EXPECT_EQ(rows[1].hours, "None");
    // Only unknown ids: no rows at all, and not the "No friends found" row.
    EXPECT_TRUE(Build({-1, 9999}).empty());
}

TEST_F(DisplayRowsTest, FriendColumn) {
    Family* f = MakeFamily("Lee");
    Sim* leo = MakeSim(f, "Leo", kLeo);
    Sim* friendSag = MakeSim(f, "Sag", 256);
    Sim* strangerSag = MakeSim(f, "Tag", 256);
    leo->AddFriend(reg, friendSag->id, true);

    std::vector<DisplayRow> possible = Build({friendSag->id, strangerSag->id}, leo, false);
    EXPECT_EQ(possible[0].friendText, "Yes");
    EXPECT_EQ(possible[1].friendText, "No");
    // The current-friends view says Yes for every row without asking.
    std::vector<DisplayRow> all = Build({friendSag->id, strangerSag->id}, leo, true);
    EXPECT_EQ(all[0].friendText, "Yes");
    EXPECT_EQ(all[1].friendText, "Yes");
}

TEST_F(DisplayRowsTest, HighlightAvailableAtTen) {
    Family* home = MakeFamily("Lee");
    Family* street = MakeFamily("Street");
    Sim* worker = MakeSim(home, "Wes", kLeo, true);
    MakeEmployee(worker);
    Sim* idle = MakeSim(home, "Ida", kLeo);  // unemployed Adult: "None"
    Sim* homeless = MakeSim(street, "Hob", kLeo, true);
    reg.SetHomeless(street, true);
    settings.highlight = 1;

    std::vector<DisplayRow> rows = Build({worker->id, idle->id, homeless->id}, nullptr, false, 10);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].availableText, "No");
    EXPECT_EQ(rows[0].textColor, kLcText);
    EXPECT_EQ(rows[0].backgroundColor, kLcBg);
    EXPECT_EQ(rows[1].availableText, "Yes");
    EXPECT_EQ(rows[1].textColor, kHlText);
    EXPECT_EQ(rows[1].backgroundColor, kHlBg);
    EXPECT_EQ(rows[2].availableText, "**");
    EXPECT_EQ(rows[2].textColor, kLcText);
    EXPECT_EQ(rows[2].backgroundColor, kLcBg);
}

TEST_F(DisplayRowsTest, GenderAndNoHighlightColours) {
    Family* f = MakeFamily("Lee");
    Sim* man = MakeSim(f, "Max", kLeo, true);
    Sim* woman = MakeSim(f, "Wen", kLeo, false);
    settings.highlight = 2;
    std::vector<DisplayRow> rows = Build({man->id, woman->id});
    EXPECT_EQ(rows[0].textColor, (RgbColor{0, 0, 255}));
    EXPECT_EQ(rows[1].textColor, (RgbColor{255, 0, 0}));
    EXPECT_EQ(rows[0].backgroundColor, kLcBg);
    EXPECT_EQ(rows[1].backgroundColor, kLcBg);

    settings.highlight = 0;  // both available, yet no highlighting
    rows = Build({man->id, woman->id});
    for (const DisplayRow& row : rows) {
        EXPECT_EQ(row.availableText, "Yes");
        EXPECT_EQ(row.textColor, kLcText);
        EXPECT_EQ(row.backgroundColor, kLcBg);
    }
}

TEST(DisplayHourTest, HoursOutsideTheChoicesBecomeSeven) {
    const std::pair<int, int> cases[] = {{-3, 7}, {0, 7}, {6, 7}, {7, 7},
                                         {13, 13}, {24, 24}, {25, 7}, {1000, 7}};
    for (auto [in, out] : cases) EXPECT_EQ(ClampDisplayHour(in), out) << in;
}

TEST_F(DisplayRowsTest, OutOfRangeHourIsReadAsSeven) {
    // A night shift 5p-1a is at work at hour 0 but free at 7.
    CareerDefinition nights("Nights", 1);
    nights.hours[0] = "5p-1a";
    Family* f = MakeFamily("Lee");
    Sim* owl = MakeSim(f, "Owl", kLeo);
    owl->career.definition = &nights;
    owl->career.careerCode = 1;
    owl->career.level = 1;
    ASSERT_FALSE(owl->IsAvailableAt(0));
    EXPECT_EQ(Build({owl->id}, nullptr, false, 0)[0].availableText, "Yes");
    EXPECT_EQ(Build({owl->id}, nullptr, false, 24)[0].availableText, "No");
}

TEST_F(DisplayRowsTest, LastNameThenNothingIgnoresCase) {
    Family* baker = MakeFamily("Baker");
    Family* adams = MakeFamily("adams");
    Sim* carl = MakeSim(baker, "carl");
    Sim* amy = MakeSim(baker, "Amy");
    Sim* amya = MakeSim(baker, "Amya");
    Sim* zed = MakeSim(adams, "Zed");
    settings.firstOrder = 4;
    settings.secondOrder = 0;
    EXPECT_EQ(Names(Build({carl->id, amya->id, amy->id, zed->id})),
              (std::vector<std::string>{"Zed adams (Leo)", "Amy Baker (Leo)", "Amya Baker (Leo)",
                                        "carl Baker (Leo)"}));
}

TEST_F(DisplayRowsTest, EachOrderCode) {
    Family* f = MakeFamily("Lee");
    Sim* elder = MakeSim(f, "Eld", kLeo, true);
    elder->career.lifeStage = 0;
    Sim* child = MakeSim(f, "chi", kLeo, false);
    child->career.lifeStage = 3;  // at school 9a-3p
    Sim* teen = MakeSim(f, "Ten", kLeo, true);
    teen->career.lifeStage = 2;  // at school 9a-1p
    Sim* adult = MakeSim(f, "Adu", kLeo, false);
    MakeEmployee(adult);
    const std::vector<int32_t> ids{elder->id, child->id, teen->id, adult->id};

    struct Case {
        int32_t first, second;
        std::vector<std::string> firstNames;
    };
    const Case cases[] = {
        {1, 0, {"chi", "Ten", "Adu", "Eld"}},   // Child, Teen, Adult, Elder
        {2, 0, {"Eld", "Ten", "chi", "Adu"}},   // at 14 the Teen and the Elder are free
        {3, 0, {"chi", "Adu", "Eld", "Ten"}},   // females first, then as collected
        {3, 5, {"Adu", "chi", "Eld", "Ten"}},   // gender, then first name
        {5, 1, {"Adu", "chi", "Eld", "Ten"}},
        {9, -1, {"Eld", "chi", "Ten", "Adu"}},  // unknown codes order nothing
    };
    for (const Case& c : cases) {
        settings.firstOrder = c.first;
        settings.secondOrder = c.second;
        std::vector<std::string> got;
        for (const DisplayRow& row : Build(ids, nullptr, false, 14))
            got.push_back(reg.FindSim(row.simId)->firstName);
        EXPECT_EQ(got, c.firstNames) << c.first << "," << c.second;
    }
}

// Random neighborhoods sorted under every pair of codes must come out in the
// order the comparison defines on the Sims themselves, ties in collected order.
TEST_F(DisplayRowsTest, SortMatchesTheComparisonOnSims) {
    std::mt19937 rng(7);
    const char* lastNames[] = {"Lee", "lee", "LEE", "Leeds", "Ab", "ab", "Zed"};
    const char* firstNames[] = {"Ann", "ann", "Anna", "bo", "Bo", "Cy", "al", "Al"};
    std::vector<int32_t> ids;
    for (const char* last : lastNames) {
        Family* family = MakeFamily(last);
        for (const char* first : firstNames) {
            Sim* sim = MakeSim(family, first, kLeo, rng() % 2 == 0);
            sim->career.lifeStage = static_cast<int32_t>(rng() % 4);
            if (rng() % 2) MakeEmployee(sim);
            ids.push_back(sim->id);
        }
    }
    std::shuffle(ids.begin(), ids.end(), rng);
    auto reference = [](const Sim& a, const Sim& b, int32_t code, int hour) {
        switch (code) {
            case 1: return (b.LifeStage() > a.LifeStage()) - (b.LifeStage() < a.LifeStage());
            case 2: return int(b.IsAvailableAt(hour)) - int(a.IsAvailableAt(hour));
            case 3: return int(a.male) - int(b.male);
            case 4: return CompareNoCase(a.SortName(), b.SortName());
            case 5: return CompareNoCase(a.FullName(), b.FullName());
            default: return 0;
        }
    };
    for (int32_t first = 0; first <= 6; ++first) {
        for (int32_t second = 0; second <= 6; ++second) {
            settings.firstOrder = first;
            settings.secondOrder = second;
            std::vector<DisplayRow> rows = Build(ids, nullptr, false, 10);
            ASSERT_EQ(rows.size(), ids.size());
            auto position = [&](int32_t id) { return std::find(ids.begin(), ids.end(), id) - ids.begin(); };
            for (size_t i = 1; i < rows.size(); ++i) {
                const Sim& a = *reg.FindSim(rows[i - 1].simId);
                const Sim& b = *reg.FindSim(rows[i].simId);
                int result = reference(a, b, first, 10);
                if (result == 0) result = reference(a, b, second, 10);
                ASSERT_LE(result, 0) << first << "," << second << " at " << i;
                if (result == 0)
                    ASSERT_LT(position(rows[i - 1].simId), position(rows[i].simId))
                        << first << "," << second << " at " << i;
            }
        }
    }
}

TEST_F(DisplayRowsTest, ModesAndTheirRequests) {
    const std::pair<std::string, DisplayMode> labels[] = {
        {"Display List:", DisplayMode::Nothing},
        {"Current Friends:", DisplayMode::CurrentFriends},
        {"Chemistry Sims:", DisplayMode::ChemistrySims},
        {"Possible Friends (Left Sim likes):", DisplayMode::PossibleFriends},
        {"anything else", DisplayMode::PossibleFriends},
    };
    for (const auto& [label, mode] : labels) {
        EXPECT_EQ(DisplayModeForLabel(label), mode) << label;
        if (label != "anything else") EXPECT_EQ(DisplayModeLabel(mode), label);
    }

    Family* f = MakeFamily("Lee");
    Sim* leo = MakeSim(f, "Leo", kLeo);
    Sim* sag = MakeSim(f, "Sag", 256);
    Sim* pal = MakeSim(f, "Pal", kLeo);
    leo->AddFriend(reg, pal->id, true);
    leo->AddChemistry(reg, sag->id, 0, true);

    DisplayRequest friends = DisplayRequestFor(DisplayMode::CurrentFriends, reg, *leo, 9);
    EXPECT_EQ(friends.ids, std::vector<int32_t>{pal->id});
    EXPECT_TRUE(friends.allFriends);
    EXPECT_EQ(friends.hour, 9);
    DisplayRequest possible = DisplayRequestFor(DisplayMode::PossibleFriends, reg, *leo, 9);
    EXPECT_EQ(possible.ids, std::vector<int32_t>{sag->id});
    EXPECT_FALSE(possible.allFriends);
    DisplayRequest chemistry = DisplayRequestFor(DisplayMode::ChemistrySims, reg, *leo, 9);
    EXPECT_EQ(chemistry.ids, std::vector<int32_t>{sag->id});
    EXPECT_FALSE(chemistry.allFriends);
    EXPECT_EQ(chemistry.reference, leo);
}

}  // namespace
