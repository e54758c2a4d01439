// The windows in German. CTest runs these as gui.german, under LANG=de_DE.UTF-8 with the
// build's catalogue folder, so the program picks its language at start-up as it does on
// a German desktop; in the English runs they are skipped.
#include <cstdlib>
#include <string>
#include <vector>

#include <wx/menu.h>
#include <wx/translation.h>

#include "app/MenuTable.h"
#include "base/Translate.h"
#include "common/MessageBox.h"
#include "common/WxString.h"
#include "lists_support.h"
#include "model/Vocabulary.h"
#include "support/FrameFixture.h"

using namespace lists_test;

namespace {

class GermanTest : public FrameTest {
protected:
    void SetUp() override {
        if (std::getenv("NESTREL_LOCALE_DIR") == nullptr)
            GTEST_SKIP() << "runs as ctest gui.german (LANG=de_DE.UTF-8 and the build's catalogues)";
        wxTranslations* translations = wxTranslations::Get();
        ASSERT_TRUE(translations != nullptr && translations->IsLoaded("nestrel"))
            << "LANG=de_DE.UTF-8 with the catalogue folder " << std::getenv("NESTREL_LOCALE_DIR")
            << " loaded no German catalogue";
        FrameTest::SetUp();
    }

    static bool InCatalogue(const char* english) {
        return wxTranslations::Get()->GetTranslatedString(wxString::FromUTF8(english), "nestrel") != nullptr;
    }
};

std::vector<std::string> MenuTitles(wxMenuBar* bar) {
    std::vector<std::string> titles;
    for (size_t i = 0; i < bar->GetMenuCount(); ++i) titles.push_back(Utf8(bar->GetMenuLabel(i)));
    return titles;
}

}  // namespace

TEST_F(GermanTest, TheMenusSpeakGerman) {
    NestrelFrame& frame = BuildFrame();
    wxMenuBar* bar = frame.GetMenuBar();
    ASSERT_NE(bar, nullptr);
    const std::vector<std::string> titles = MenuTitles(bar);
    ASSERT_FALSE(titles.empty());
    EXPECT_EQ(titles.front(), "&Datei");
    EXPECT_EQ(titles.back(), "&Hilfe");
    wxMenuItem* save = bar->FindItem(ID_SAVE);
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(Utf8(save->GetItemLabelText()), "Speichern");

    // Every title, label and help text of the menu table has its German text, so a menu
    // added to the table without one fails here.
    for (const MenuSpec& menu : MainMenuTable()) {
        EXPECT_TRUE(InCatalogue(menu.title)) << menu.title;
        for (const MenuItemSpec& item : menu.items) {
            if (item.id == kMenuSeparator) continue;
            EXPECT_TRUE(InCatalogue(item.label)) << item.label;
            EXPECT_TRUE(InCatalogue(item.help)) << item.help;
        }
    }
}

TEST_F(GermanTest, AMessageSpeaksGerman) {
    NestrelFrame& frame = BuildFrame();
    Family* family = AddFamily(frame.Registry(), "Kept");
    AddMember(frame.Registry(), family, "Kim", kLeo, true);
    frame.RefreshFamilies();
    SimBox(frame)->SetSelection(wxNOT_FOUND);
    wxTEST_DIALOG(Press(frame, ID_DELETE_SIM),
                  ExpectMessageBox(wxID_OK, "Bitte wählen Sie ein Mitglied aus der Mitgliederliste.", "Meldung"));
    EXPECT_EQ(frame.Registry().families.Count(), 1u);
}

TEST_F(GermanTest, TheCoreTablesAreTranslatedButTheFamilyNamesAreNot) {
    NestrelFrame& frame = BuildFrame();
    EXPECT_EQ(SignText(0), "Wassermann");
    EXPECT_EQ(LifeStageText(kLifeStageAdult), "Erwachsener");

    // Every entry of the core's tables has its German text: the English ones are read
    // with the lookup switched off, then looked up in the catalogue.
    const TranslateHook german = [](std::string_view text) { return ToStd(wxGetTranslation(ToWx(text))); };
    SetTranslateHook({});
    std::vector<std::vector<std::string>> tables = {SignTexts(), StatusTexts(), LifeStageTexts(), GenderTexts(),
                                                    AspirationTexts(), MajorTexts(), SkillTexts(),
                                                    ChemistryTypeTexts()};
    for (int i = 0; i < kSignCount; ++i) tables.push_back({SignLikesText(i), SignDislikesText(i)});
    SetTranslateHook(german);
    for (const auto& table : tables)
        for (const std::string& english : table) EXPECT_TRUE(InCatalogue(english.c_str())) << english;

    // A family's stored name stays as typed; only what the program says is German.
    Family* family = AddFamily(frame.Registry(), "Newbie");
    AddMember(frame.Registry(), family, "Kim", kLeo, true);
    frame.RefreshFamilies();
    EXPECT_EQ(Rows(FamilyBox(frame)), std::vector<std::string>{"Newbie (0)"});
}
