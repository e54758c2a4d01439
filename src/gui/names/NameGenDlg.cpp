#include "names/NameGenDlg.h"

#include <wx/button.h>
#include <wx/radiobox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "common/FontScale.h"
#include "common/MessageBox.h"
#include "common/WxString.h"
#include "names/NameAdding.h"
#include "names/WordFileNames.h"

namespace {
enum { ID_GENERATE = 0, ID_ADD = 1 };
}

NameGenDlg::NameGenDlg(wxWindow* parent, WordFileNames& names)
    : wxDialog(parent, wxID_ANY, _("Name Generator"), wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE),
      names_(names) {
    auto result = [this](const wxString& text) {
        auto* label = new wxStaticText(this, wxID_ANY, text);
        wxFont font = GetFont();
        font.SetPointSize(10);
        label->SetFont(font);
        label->SetForegroundColour(*wxBLUE);
        return label;
    };
    auto heading = [this](const wxString& text) {
        return new wxStaticText(this, wxID_ANY, text, wxDefaultPosition, FontScaled(this, wxSize(60, 20)));
    };
    female_ = result(_("<Female>"));
    male_ = result(_("<Male>"));
    last_ = result(_("<Last>"));

    auto* grid = new wxFlexGridSizer(2, 4, 8);
    grid->AddGrowableCol(1);
    grid->Add(heading(_("Female:")), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(female_, 1, wxALIGN_CENTER_VERTICAL | wxEXPAND);
    grid->Add(heading(_("Male:")), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(male_, 1, wxALIGN_CENTER_VERTICAL | wxEXPAND);
    grid->Add(heading(_("Last:")), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(last_, 1, wxALIGN_CENTER_VERTICAL | wxEXPAND);

    field_ = new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxSize(FontScaledWidth(this, 150), -1));
    const wxString kinds[] = {_("Male"), _("Female"), _("Last")};
    kind_ = new wxRadioBox(this, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, 3, kinds, 1,
                           wxRA_SPECIFY_COLS);
    kind_->SetSelection(0);

    auto* addRow = new wxBoxSizer(wxHORIZONTAL);
    addRow->Add(kind_, 0, wxRIGHT, 10);
    addRow->Add(new wxButton(this, ID_ADD, _("&Add")), 0, wxALIGN_CENTER_VERTICAL);

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(new wxButton(this, ID_GENERATE, _("&Generate Names"), wxDefaultPosition, FontScaled(this, wxSize(150, 30))),
               0, wxALIGN_CENTER | wxALL, 10);
    sizer->Add(grid, 0, wxEXPAND | wxLEFT | wxRIGHT, 20);
    sizer->AddSpacer(16);
    sizer->Add(new wxStaticText(this, wxID_ANY, _("Add New Name:")), 0, wxLEFT | wxRIGHT, 20);
    sizer->Add(field_, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 20);
    sizer->Add(addRow, 0, wxLEFT | wxRIGHT | wxTOP, 20);
    sizer->Add(new wxButton(this, wxID_OK, _("&Close")), 0, wxALIGN_CENTER | wxALL, 10);
    SetSizer(sizer);
    // 300 x 330 for the reference font, and never less than the controls need.
    const wxSize best = sizer->GetMinSize();
    SetClientSize(wxSize(std::max(FontScaledWidth(this, 290), best.x), std::max(FontScaledHeight(this, 300), best.y)));
    SetMinClientSize(best);

    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { GenerateNames(); }, ID_GENERATE);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { AddName(); }, ID_ADD);
}

void NameGenDlg::GenerateNames() {
    // In this order, as each draw takes the next random number.
    const std::string female = names_.RandomFemale();
    const std::string male = names_.RandomMale();
    const std::string last = names_.RandomLast();
    female_->SetLabel(ToWx(female));
    male_->SetLabel(ToWx(male));
    last_->SetLabel(ToWx(last));
    Layout();
}

void NameGenDlg::AddName() {
    const auto kind = static_cast<NameListKind>(kind_->GetSelection());
    switch (AddTypedName(names_, kind, ToStd(field_->GetValue()))) {
        case NameAddResult::Empty:
            return;
        case NameAddResult::Refused:
            // Kept in the field so the user can correct it.
            ShowNotice(_("This name cannot be added: it reads as a list heading."), _(Caption::Message), this);
            return;
        case NameAddResult::AlreadyThere:
            // Nothing was added, and the message says so rather than claim a success.
            field_->Clear();
            ShowNotice(_("This name is already in the list: nothing was added."), _(Caption::Message), this);
            return;
        case NameAddResult::Added:
            break;
    }
    field_->Clear();
    ShowNotice(_("Name added successfully"), _(Caption::Message), this);
}
