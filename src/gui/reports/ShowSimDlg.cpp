#include "reports/ShowSimDlg.h"

#include <wx/button.h>
#include <wx/dcclient.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "common/FontScale.h"
#include "common/MessageBox.h"
#include "common/ResBitmap.h"
#include "common/WxString.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"
#include "reports/SimCard.h"
#include "reports/SimListDlg.h"

namespace {
enum { ID_FAMILY = 0, ID_FRIENDS = 1, ID_CAREER = 2 };
constexpr int kRowCount = 5;
}  // namespace

ShowSimDlg::ShowSimDlg(wxWindow* parent, SimRegistry& registry, int32_t simId, bool familyAllowed)
    : wxDialog(parent, wxID_ANY, _("Sim Information"), wxDefaultPosition, wxDefaultSize,
               wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      registry_(registry), simId_(simId), familyAllowed_(familyAllowed) {
    wxFont valueFont = GetFont();
    valueFont.SetPointSize(10);
    const wxString labels[kRowCount] = {_("Name: "), _("Sign: "), _("Townie?: "), _("Gender: "), _("Match: ")};

    auto* rows = new wxFlexGridSizer(2, 4, 8);
    for (int i = 0; i < kRowCount; ++i) {
        auto* label = new wxBoxSizer(wxHORIZONTAL);
        if (i == kRowCount - 1) {
            // The heart beside "Match: " is left out when its picture cannot be read.
            wxBitmap heart = LoadResBitmap("heart_red.bmp");
            if (heart.IsOk()) {
                heart_ = new wxStaticBitmap(this, wxID_ANY, heart);
                label->Add(heart_, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 3);
            }
        }
        label->Add(new wxStaticText(this, wxID_ANY, labels[i]), 0, wxALIGN_CENTER_VERTICAL);
        rows->Add(label, 0, wxALIGN_CENTER_VERTICAL);
        auto* value = new wxStaticText(this, wxID_ANY, _("unknown"));
        value->SetForegroundColour(wxColour(0, 0, 255));
        value->SetFont(valueFont);
        rows->Add(value, 0, wxALIGN_CENTER_VERTICAL);
        values_.push_back(value);
    }

    careerBox_ = new wxStaticText(this, ID_CAREER, wxEmptyString, wxDefaultPosition, FontScaled(this, wxSize(140, 110)),
                                  wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE | wxBORDER_SUNKEN);

    auto* side = new wxBoxSizer(wxVERTICAL);
    friendsText_ = new wxStaticText(this, wxID_ANY, wxEmptyString);
    side->Add(friendsText_, 0, wxALIGN_CENTER | wxBOTTOM, 8);
    side->Add(new wxButton(this, ID_FRIENDS, _("Friends...")), 0, wxEXPAND | wxBOTTOM, 5);
    familyButton_ = new wxButton(this, ID_FAMILY, _("Family..."));
    side->Add(familyButton_, 0, wxEXPAND);

    auto* top = new wxBoxSizer(wxHORIZONTAL);
    top->Add(rows, 0, wxALL, 10);
    top->Add(careerBox_, 0, wxTOP | wxBOTTOM | wxRIGHT, 10);
    top->Add(side, 0, wxTOP | wxBOTTOM | wxRIGHT, 10);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(top, 1, wxEXPAND);
    sizer->Add(new wxButton(this, wxID_OK, _("&Ok")), 0, wxALIGN_RIGHT | wxRIGHT | wxBOTTOM, 10);
    SetSizer(sizer);

    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { ShowFriends(); }, ID_FRIENDS);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { RequestFamily(); }, ID_FAMILY);
    FillValues();
}

bool ShowSimDlg::FillValues() {
    const Sim* sim = registry_.FindSim(simId_);
    if (sim == nullptr) return false;
    const SimCard card = BuildSimCard(registry_, *sim);
    for (size_t i = 0; i < values_.size() && i < card.rows.size(); ++i) values_[i]->SetLabel(ToWx(card.rows[i].second));
    // The career text keeps its size unless a line would be cut off.
    const wxString career = ToWx(card.careerText);
    careerBox_->SetLabel(career);
    wxClientDC dc(careerBox_);
    dc.SetFont(careerBox_->GetFont());
    wxCoord width = 0, height = 0;
    dc.GetMultiLineTextExtent(career, &width, &height);
    const wxSize design = FontScaled(this, wxSize(140, 110));
    careerBox_->SetMinSize(wxSize(std::max(design.x, width + 12), std::max(design.y, height + 8)));
    friendsText_->SetLabel(ToWx(card.friendsText));
    // A full heart beside "Match: None" would say the opposite of the text.
    if (heart_ != nullptr) heart_->Show(sim->Partner(registry_) != nullptr);
    familyButton_->Enable(familyAllowed_ && sim->family != nullptr);
    GetSizer()->SetSizeHints(this);
    const wxSize designSize = FontScaled(this, wxSize(400, 200));
    SetSize(wxSize(std::max(GetSize().x, designSize.x), std::max(GetSize().y, designSize.y)));
    return true;
}

int ShowSimDlg::ShowModal() {
    if (!FillValues()) return 0;
    return wxDialog::ShowModal();
}

void ShowSimDlg::ShowFriends() {
    const Sim* sim = registry_.FindSim(simId_);
    if (sim == nullptr) {
        ShowNotice(_("An error occurred!"));
        return;
    }
    SimListDlg list(this, _("Sim Friends"), ToWx(SimFriendsHeading(*sim)), SimFriendNames(registry_, *sim),
                    wxLB_SINGLE | wxLB_HSCROLL);
    list.ShowModal();
}

void ShowSimDlg::RequestFamily() {
    const Sim* sim = registry_.FindSim(simId_);
    if (!familyAllowed_ || sim == nullptr || sim->family == nullptr) return;
    if (IsModal())
        EndModal(kEditFamily);
    else
        SetReturnCode(kEditFamily);
}
