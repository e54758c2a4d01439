// The settings notebook, the name generator and the about box, opened from the main
// window.
#include <fstream>
#include <sstream>

#include <wx/checkbox.h>
#include <wx/button.h>
#include <wx/panel.h>
#include <wx/radiobox.h>
#include <wx/radiobut.h>
#include <wx/settings.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "avail_support.h"
#include "lists_support.h"
#include "names/NameGenDlg.h"
#include "settings/ColourAsker.h"
#include "settings/ColourContrast.h"
#include "settings/SettingsDlg.h"
#include "settings/SettingsDlgColorsPage.h"
#include "settings/SettingsDlgFeaturePage.h"
#include "settings/SettingsDlgGenPage.h"
#include "social/MatchmakerSettings.h"
#include "storage/ProgramSettings.h"
#include "support/FrameFixture.h"
#include "update/AboutDlg.h"

namespace {

using editing_test::Answer;
using AnswerSettings = Answer<SettingsDlg>;
using AnswerNames = Answer<NameGenDlg>;
using AnswerAbout = Answer<AboutDlg>;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string Text(wxStaticText* label) { return std::string(label->GetLabel().utf8_str()); }

/// Answers the colour questions asked while it lives: `colour`, or Cancel when
/// `ok` is false. Counts them, so a test sees the question was asked.
class PickColour {
public:
    explicit PickColour(wxColour colour, bool ok = true) {
        previous_ = SetColourAsker([this, colour, ok](wxWindow*, const wxColour& initial) -> std::optional<wxColour> {
            ++asked;
            lastInitial = initial;
            if (!ok) return std::nullopt;
            return colour;
        });
    }
    ~PickColour() { SetColourAsker(std::move(previous_)); }
    int asked = 0;
    wxColour lastInitial;

private:
    ColourAsker previous_;
};

/// Clicks a colour row's "..." button.
void ClickColourButton(SettingsDlgColorsPage* page, int row) {
    wxButton* button = page->ColourButton(row);
    wxCommandEvent event(wxEVT_BUTTON, button->GetId());
    event.SetEventObject(button);
    button->GetEventHandler()->ProcessEvent(event);
}

class SettingsTest : public FrameTest {
protected:
    std::string SettingsFile() const { return SettingsFilePath(installDir_); }
};

TEST_F(SettingsTest, CancelAfterPickingColoursChangesNothingButTheFileKeepsTheMatchmaker) {
    NestrelFrame& frame = BuildFrame();
    frame.MatchSettings().currentAge = 2;
    const ProgramSettings before = frame.Settings();
    wxColour shown;
    wxTEST_DIALOG(frame.ProcessCommand(ID_SETTINGS),
                  AnswerSettings([&](SettingsDlg* dlg) {
                      PickColour pick(wxColour(1, 2, 3));
                      ClickColourButton(dlg->ColorsPage(), SettingsDlgColorsPage::BackgroundRow);
                      EXPECT_EQ(pick.asked, 1);
                      EXPECT_EQ(pick.lastInitial, *wxWHITE);
                      shown = dlg->ColorsPage()->SwatchColour(SettingsDlgColorsPage::BackgroundRow);
                      dlg->GeneralPage()->AskToSaveBox()->SetValue(false);
                      return wxID_CANCEL;
                  }));
    EXPECT_EQ(shown, wxColour(1, 2, 3));
    EXPECT_EQ(frame.Settings().bgColor, before.bgColor);
    EXPECT_TRUE(frame.Settings().askToSave);
    auto* panel = dynamic_cast<wxPanel*>(wxWindow::FindWindowByName("panel", &frame));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->GetBackgroundColour(), *wxWHITE);
    // Written all the same, with the matchmaker's group.
    const std::string file = ReadAll(SettingsFile());
    EXPECT_NE(file.find("[Settings]"), std::string::npos);
    EXPECT_NE(file.find("[Matchmaker]"), std::string::npos);
    EXPECT_NE(file.find("CurrentAge=2"), std::string::npos);
}

TEST_F(SettingsTest, OkAppliesColoursAtOnceAndWritesThemWithTheMatchmakerGroup) {
    NestrelFrame& frame = BuildFrame();
    frame.MatchSettings().currentAge = 3;
    frame.MatchSettings().filterMarried = true;
    wxTEST_DIALOG(frame.ProcessCommand(ID_SETTINGS),
                  AnswerSettings([&](SettingsDlg* dlg) {
                      SettingsDlgColorsPage* page = dlg->ColorsPage();
                      {
                          PickColour pick(wxColour(10, 20, 30));
                          page->ChooseColour(SettingsDlgColorsPage::BackgroundRow);
                      }
                      {
                          PickColour pick(wxColour(200, 0, 0));
                          page->ChooseColour(SettingsDlgColorsPage::TextRow);
                      }
                      {
                          // A cancelled pick keeps the swatch.
                          PickColour pick(*wxGREEN, false);
                          ClickColourButton(page, SettingsDlgColorsPage::ListTextRow);
                          EXPECT_EQ(pick.asked, 1);
                      }
                      page->HighlightButton(0)->SetValue(true);
                      dlg->GeneralPage()->AskToSaveBox()->SetValue(false);
                      dlg->Accept();
                      return wxID_OK;
                  }));
    EXPECT_EQ(frame.Settings().bgColor, (RgbColor{10, 20, 30}));
    EXPECT_EQ(frame.Settings().textColor, (RgbColor{200, 0, 0}));
    EXPECT_EQ(frame.Settings().lcColor, (RgbColor{0, 0, 0}));
    EXPECT_EQ(frame.Settings().highlight, 0);
    EXPECT_FALSE(frame.Settings().askToSave);
    auto* panel = dynamic_cast<wxPanel*>(wxWindow::FindWindowByName("panel", &frame));
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->GetBackgroundColour(), wxColour(10, 20, 30));
    EXPECT_EQ(panel->GetForegroundColour(), wxColour(200, 0, 0));
    auto* label = dynamic_cast<wxStaticText*>(wxWindow::FindWindowByName("displayLabel", &frame));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->GetForegroundColour(), wxColour(200, 0, 0));

    ProgramSettings read;
    MatchmakerSettings match;
    ASSERT_TRUE(ReadSettings(SettingsFile(), read, &match));
    EXPECT_EQ(read.bgColor, (RgbColor{10, 20, 30}));
    EXPECT_FALSE(read.askToSave);
    EXPECT_EQ(match.currentAge, 3);
    EXPECT_TRUE(match.filterMarried);
    EXPECT_NE(ReadAll(SettingsFile()).find("BgColor=10,20,30"), std::string::npos);
}

TEST_F(SettingsTest, HighlightChoicesAndTheirButtons) {
    NestrelFrame& frame = BuildFrame();
    frame.Settings().highlight = 5;
    bool genderShown = false, buttonsAfterAvailable = false, buttonsAfterNone = true;
    wxTEST_DIALOG(frame.ProcessCommand(ID_SETTINGS),
                  AnswerSettings([&](SettingsDlg* dlg) {
                      SettingsDlgColorsPage* page = dlg->ColorsPage();
                      genderShown = page->HighlightButton(2)->GetValue();
                      page->HighlightButton(1)->SetValue(true);
                      page->UpdateHighlightButtons();
                      buttonsAfterAvailable = page->ColourButton(SettingsDlgColorsPage::HighlightTextRow)->IsEnabled() &&
                                              page->ColourButton(SettingsDlgColorsPage::HighlightBackgroundRow)->IsEnabled();
                      page->HighlightButton(0)->SetValue(true);
                      page->UpdateHighlightButtons();
                      buttonsAfterNone = page->ColourButton(SettingsDlgColorsPage::HighlightTextRow)->IsEnabled();
                      page->HighlightButton(2)->SetValue(true);
                      dlg->FeaturePage()->NightlifeBox()->SetValue(false);
                      dlg->Accept();
                      return wxID_OK;
                  }));
    EXPECT_TRUE(genderShown);
    EXPECT_TRUE(buttonsAfterAvailable);
    EXPECT_FALSE(buttonsAfterNone);
    EXPECT_EQ(frame.Settings().highlight, 2);
    EXPECT_FALSE(frame.Settings().nightlife);
}

TEST_F(SettingsTest, HighlightColourButtonsFollowTheStoredChoiceFromTheStart) {
    NestrelFrame& frame = BuildFrame();
    // Stored choice -> whether the two highlight colour buttons can be used.
    const std::pair<int32_t, bool> cases[] = {{0, false}, {1, true}, {2, false}, {5, false}};
    for (const auto& [stored, enabled] : cases) {
        frame.Settings().highlight = stored;
        bool text = !enabled, background = !enabled;
        wxTEST_DIALOG(frame.ProcessCommand(ID_SETTINGS), AnswerSettings([&](SettingsDlg* dlg) {
                          SettingsDlgColorsPage* page = dlg->ColorsPage();
                          text = page->ColourButton(SettingsDlgColorsPage::HighlightTextRow)->IsEnabled();
                          background = page->ColourButton(SettingsDlgColorsPage::HighlightBackgroundRow)->IsEnabled();
                          return wxID_CANCEL;
                      }));
        EXPECT_EQ(text, enabled) << stored;
        EXPECT_EQ(background, enabled) << stored;
    }
}

TEST_F(SettingsTest, DefaultHighlightReadsWellWithTheToolkitsListColoursAndNightlifeIsExplained) {
    NestrelFrame& frame = BuildFrame();
    const ProgramSettings defaults;
    auto rgb = [](const wxColour& c) { return RgbColor{c.Red(), c.Green(), c.Blue()}; };
    EXPECT_GE(ContrastRatio(defaults.hlColor, defaults.hlBgColor), kReadableContrast);
    // Text the toolkit draws in its own list colour stays readable on the highlight,
    // and a highlighted row stands out from the toolkit's list background.
    EXPECT_GE(ContrastRatio(rgb(wxSystemSettings::GetColour(wxSYS_COLOUR_LISTBOXTEXT)), defaults.hlBgColor),
              kReadableContrast);
    EXPECT_GE(ContrastRatio(rgb(wxSystemSettings::GetColour(wxSYS_COLOUR_LISTBOX)), defaults.hlBgColor), 1.4);
    EXPECT_EQ(frame.Settings().hlColor, defaults.hlColor);
    EXPECT_EQ(frame.Settings().hlBgColor, defaults.hlBgColor);

    std::string note;
    wxTEST_DIALOG(frame.ProcessCommand(ID_SETTINGS), AnswerSettings([&](SettingsDlg* dlg) {
                      note = std::string(dlg->FeaturePage()->NightlifeNote()->GetLabelText().utf8_str());
                      return wxID_CANCEL;
                  }));
    EXPECT_NE(note.find("nothing in the program changes with this switch"), std::string::npos) << note;
}

TEST_F(SettingsTest, NameGeneratorAddsMaryWhichIsInTheNamesFileAfterClosing) {
    NestrelFrame& frame = BuildFrame();
    frame.Names().femaleNames.clear();
    frame.Names().maleNames = {"Bob"};
    frame.Names().lastNames = {"Lee"};
    std::string female, male, last, before[3], field;
    wxTEST_DIALOG(frame.ProcessCommand(ID_NAME_GENERATOR),
                  AnswerNames([&](NameGenDlg* dlg) {
                      before[0] = Text(dlg->FemaleText());
                      before[1] = Text(dlg->MaleText());
                      before[2] = Text(dlg->LastText());
                      dlg->NameField()->SetValue("mary");
                      dlg->ListChoice()->SetSelection(1);  // "Female"
                      wxTEST_DIALOG(dlg->AddName(), ExpectMessageBox(wxID_OK, "Name added successfully", "Message"));
                      field = std::string(dlg->NameField()->GetValue().utf8_str());
                      // The same name again, in other letters: no claim of success.
                      dlg->NameField()->SetValue("MARY");
                      wxTEST_DIALOG(dlg->AddName(), ExpectMessageBox(wxID_OK,
                                                                     "This name is already in the list: nothing was added.",
                                                                     "Message"));
                      dlg->AddName();  // empty field: nothing, no message
                      dlg->GenerateNames();
                      female = Text(dlg->FemaleText());
                      male = Text(dlg->MaleText());
                      last = Text(dlg->LastText());
                      return wxID_OK;
                  }));
    EXPECT_EQ(before[0], "<Female>");
    EXPECT_EQ(before[1], "<Male>");
    EXPECT_EQ(before[2], "<Last>");
    EXPECT_EQ(field, "");
    EXPECT_EQ(frame.Names().femaleNames, std::vector<std::string>{"Mary"});
    EXPECT_EQ(female, "Mary");
    EXPECT_EQ(male, "Bob");
    EXPECT_EQ(last, "Lee");
    EXPECT_FALSE(frame.IsModified());

    const std::string namesFile = frame.NamesFilePath();
    frame.Close(true);
    PumpEvents();
    const std::string written = ReadAll(namesFile);
    const size_t femaleHeader = written.find("[female]");
    const size_t maleHeader = written.find("[male]");
    const size_t mary = written.find("Mary");
    ASSERT_NE(mary, std::string::npos) << written;
    EXPECT_LT(femaleHeader, mary);
    EXPECT_LT(mary, maleHeader);
}

TEST_F(SettingsTest, AboutBoxTexts) {
    NestrelFrame& frame = BuildFrame();
    std::string title, version, maker, licence;
    wxString link;
    wxTEST_DIALOG(frame.ProcessCommand(ID_ABOUT), AnswerAbout([&](AboutDlg* dlg) {
                      title = std::string(dlg->GetTitle().utf8_str());
                      version = Text(dlg->VersionLine());
                      maker = Text(dlg->MakerLine());
                      licence = Text(dlg->LicenceLine());
                      if (wxWindow* w = wxWindow::FindWindowByName("statictextlink1", dlg)) link = w->GetLabel();
                      return wxID_OK;
                  }));
    EXPECT_EQ(title, "About Nestrel");
    EXPECT_EQ(version, "Nestrel version 3.4.1");
    EXPECT_NE(maker.find("2008"), std::string::npos);
    EXPECT_EQ(licence,
              "Nestrel is free software under the GNU General Public License,\n"
              "version 3 or later, and comes with no warranty.");
    EXPECT_TRUE(link.EndsWith("/products/nestrel.php")) << link;
}

}  // namespace
