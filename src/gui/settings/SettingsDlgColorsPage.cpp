#include "settings/SettingsDlgColorsPage.h"

#include <wx/button.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "common/FontScale.h"
#include "common/WxColour.h"
#include "settings/ColourAsker.h"
#include "settings/HighlightChoice.h"
#include "storage/ProgramSettings.h"
#include "base/Translate.h"

namespace {

constexpr int kFirstColourButtonId = 5;
constexpr int kFirstHighlightId = 2;

const char* const kRowLabels[SettingsDlgColorsPage::RowCount] = {
    N_("Text Color: "),          N_("Background Color: "),       N_("List Control Text: "),
    N_("List Control Background: "), N_("Highlighted Items Text: "), N_("Highlighted Items Background: "),
};

RgbColor ToRgb(const wxColour& c) { return RgbColor{c.Red(), c.Green(), c.Blue()}; }

RgbColor ProgramSettings::*const kRowSettings[SettingsDlgColorsPage::RowCount] = {
    &ProgramSettings::textColor, &ProgramSettings::bgColor, &ProgramSettings::lcColor,
    &ProgramSettings::lcBgColor, &ProgramSettings::hlColor, &ProgramSettings::hlBgColor,
};

}  // namespace

SettingsDlgColorsPage::SettingsDlgColorsPage(wxWindow* parent) : wxPanel(parent, wxID_ANY) {
    auto addRow = [this](wxWindow* owner, wxFlexGridSizer* grid, int row) {
        grid->Add(new wxStaticText(owner, wxID_ANY, wxGetTranslation(kRowLabels[row])), 0, wxALIGN_CENTER_VERTICAL);
        // A plain panel shows its background colour on every platform; a label
        // without text may not paint one.
        swatches_[row] = new wxPanel(owner, wxID_ANY, wxDefaultPosition, FontScaled(owner, wxSize(35, 15)),
                                     wxBORDER_SIMPLE);
        grid->Add(swatches_[row], 0, wxALIGN_CENTER_VERTICAL);
        buttons_[row] = new wxButton(owner, kFirstColourButtonId + row, "...", wxDefaultPosition,
                                     wxSize(FontScaledWidth(owner, 40), -1), wxBU_EXACTFIT);
        grid->Add(buttons_[row], 0, wxALIGN_CENTER_VERTICAL);
        Bind(wxEVT_BUTTON, [this, row](wxCommandEvent&) { ChooseColour(row); }, kFirstColourButtonId + row);
    };

    auto* columns = new wxFlexGridSizer(3, 6, 8);
    for (int row = TextRow; row <= ListBackgroundRow; ++row) addRow(this, columns, row);

    auto* box = new wxStaticBoxSizer(wxVERTICAL, this, _("Highlighting Display List"));
    wxStaticBox* owner = box->GetStaticBox();
    highlight_[0] = new wxRadioButton(owner, kFirstHighlightId, _("None"), wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
    highlight_[1] = new wxRadioButton(owner, kFirstHighlightId + 1, _("Highlight available sims"));
    highlight_[2] = new wxRadioButton(owner, kFirstHighlightId + 2, _("Color-code based on gender"));
    for (wxRadioButton* button : highlight_) {
        box->Add(button, 0, wxLEFT | wxRIGHT | wxBOTTOM, 6);
        button->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { UpdateHighlightButtons(); });
    }
    auto* highlighted = new wxFlexGridSizer(3, 6, 8);
    addRow(owner, highlighted, HighlightTextRow);
    addRow(owner, highlighted, HighlightBackgroundRow);
    // Room inside the frame, so that the buttons do not sit on its edge.
    box->Add(highlighted, 0, wxALL, 6);

    auto* sizer = new wxBoxSizer(wxHORIZONTAL);
    sizer->Add(columns, 0, wxALL, 12);
    sizer->Add(box, 0, wxALL, 12);
    SetSizer(sizer);
}

void SettingsDlgColorsPage::LoadFromSettings(const ProgramSettings& settings) {
    for (int row = 0; row < RowCount; ++row) {
        swatches_[row]->SetBackgroundColour(ToWxColour(settings.*kRowSettings[row]));
        swatches_[row]->Refresh();
    }
    highlight_[HighlightChoiceFor(settings.highlight)]->SetValue(true);
    // The highlight colours only count for "Highlight available sims": their buttons
    // say so from the start, not only after a radio button was clicked.
    UpdateHighlightButtons();
}

void SettingsDlgColorsPage::StoreToSettings(ProgramSettings& settings) const {
    for (int row = 0; row < RowCount; ++row) settings.*kRowSettings[row] = ToRgb(SwatchColour(row));
    settings.highlight = highlight_[0]->GetValue() ? 0 : highlight_[1]->GetValue() ? 1 : 2;
}

wxColour SettingsDlgColorsPage::SwatchColour(int row) const { return swatches_[row]->GetBackgroundColour(); }

void SettingsDlgColorsPage::ChooseColour(int row) {
    if (const std::optional<wxColour> chosen = AskColour(this, SwatchColour(row)))
        swatches_[row]->SetBackgroundColour(*chosen);
    swatches_[row]->Refresh();
}

void SettingsDlgColorsPage::UpdateHighlightButtons() {
    const bool enable = highlight_[1]->GetValue();
    buttons_[HighlightTextRow]->Enable(enable);
    buttons_[HighlightBackgroundRow]->Enable(enable);
}
