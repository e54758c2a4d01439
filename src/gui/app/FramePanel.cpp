// The controls of the main panel: the edit buttons and the hour selector on top, then
// the family list, the Sim list, the friend buttons and the display list side by side.
#include <algorithm>

#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/intl.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/settings.h>

#include "app/CommandIds.h"
#include "app/DisplayListCtrl.h"
#include "app/NestrelFrame.h"
#include "app/RowListCtrl.h"
#include "common/ArtProvider.h"
#include "common/FontScale.h"
#include "common/WxString.h"
#include "model/Vocabulary.h"
#include "base/Translate.h"

namespace {

wxBitmapButton* IconButton(wxWindow* parent, int id, const char* icon, const char* tip) {
    auto* button = new wxBitmapButton(parent, id, IconResource(icon), wxDefaultPosition, wxDefaultSize,
                                      wxBU_AUTODRAW);
    button->SetToolTip(wxGetTranslation(tip));
    return button;
}

wxStaticText* Label(wxWindow* parent, const char* text, wxSize size = wxDefaultSize) {
    return new wxStaticText(parent, wxID_ANY, wxGetTranslation(text), wxDefaultPosition, size);
}

}  // namespace

void NestrelFrame::BuildListControls() {
    wxPanel* p = panel_;

    // Top row: the edit buttons, then the hour the display list marks free Sims at.
    addFamilyButton_ = IconButton(p, ID_ADD_FAMILY, "ADD", N_("Add a family"));
    editFamilyButton_ = IconButton(p, ID_EDIT_FAMILY, "BASICEDIT", N_("Edit selected family"));
    deleteSimButton_ = IconButton(p, ID_DELETE_SIM, "DELETE", N_("Delete selected Sim"));
    hourLabel_ = Label(p, N_("Time Available:"));
    wxArrayString hours;
    for (const std::string& entry : HourEntryTexts()) hours.Add(ToWx(entry));
    hourChoice_ = new wxComboBox(p, ID_HOUR_CHOICE, wxEmptyString, wxDefaultPosition, wxSize(FontScaledWidth(p, 110), -1), hours,
                                 wxCB_DROPDOWN | wxCB_READONLY);
    fullListButton_ = new wxButton(p, ID_FULL_LIST, _("Full List"));

    auto* top = new wxBoxSizer(wxHORIZONTAL);
    top->Add(addFamilyButton_, 0, wxALIGN_CENTER_VERTICAL);
    top->Add(editFamilyButton_, 0, wxALIGN_CENTER_VERTICAL);
    top->Add(deleteSimButton_, 0, wxALIGN_CENTER_VERTICAL);
    top->AddSpacer(FontScaledWidth(p, 140));
    top->Add(hourLabel_, 0, wxALIGN_CENTER_VERTICAL);
    top->AddSpacer(10);
    top->Add(hourChoice_, 0, wxALIGN_CENTER_VERTICAL);
    top->AddSpacer(10);
    top->Add(fullListButton_, 0, wxALIGN_CENTER_VERTICAL);

    // The family column. The rows arrive sorted from the neighborhood, the same on
    // every system, so the control itself does not sort them.
    familyLabel_ = Label(p, N_("Sim Families:"));
    familyListBox_ = new RowListCtrl(p, ID_FAMILY_LIST, wxSize(-1, FontScaledHeight(p, 100)));
    auto* familyColumn = new wxBoxSizer(wxVERTICAL);
    familyColumn->Add(familyLabel_, 0, wxBOTTOM, 2);
    familyColumn->Add(familyListBox_, 1, wxEXPAND);

    simLabel_ = Label(p, N_("Sims in the Family:"));
    simListBox_ = new RowListCtrl(p, ID_SIM_LIST, FontScaled(p, wxSize(160, 100)));
    auto* simColumn = new wxBoxSizer(wxVERTICAL);
    simColumn->Add(simLabel_, 0, wxBOTTOM, 2);
    simColumn->Add(simListBox_, 1, wxEXPAND);

    auto* buttonColumn = new wxBoxSizer(wxVERTICAL);
    buttonColumn->Add(IconButton(p, ID_SHOW_FRIENDS, "FRIENDS", N_("Show current friends of the selected Sim")));
    buttonColumn->Add(IconButton(p, ID_POSSIBLE_FRIENDS, "POSSFRIENDS", N_("Show possible friends for the selected Sim")));
    buttonColumn->Add(IconButton(p, ID_CHEMISTRY_SIMS, "CHEMFRIENDS", N_("Show chemistry matches of the selected Sim")));
    buttonColumn->AddSpacer(15);
    buttonColumn->Add(IconButton(p, ID_EDIT_FRIENDS, "FRIENDEDIT", N_("Edit the selected Sim's friends")));
    buttonColumn->Add(IconButton(p, ID_EDIT_CHEMISTRY, "CHEMEDIT", N_("Edit the selected Sim's chemistry")));

    displayLabel_ = new wxStaticText(p, wxID_ANY, ToWx(DisplayModeLabel(DisplayMode::Nothing)), wxDefaultPosition,
                                     FontScaled(p, wxSize(180, 15)), wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_END,
                                     "displayLabel");
    // The mode names are longer than the label's 180 pixels in most fonts; a narrow
    // Order button leaves the label the rest of the heading.
    orderButton_ = new wxButton(p, ID_ORDER, _("Order.."), wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
    displayList_ = new DisplayListCtrl(p, ID_DISPLAY_LIST, FontScaled(p, wxSize(270, 100)));
    // The columns were laid out a little wider than the list: the list takes their
    // width and room for a scroll bar, so that no column runs out of it.
    int columnsWidth = wxSystemSettings::GetMetric(wxSYS_VSCROLL_X, displayList_) + 4;
    for (int column = 0; column < displayList_->GetColumnCount(); ++column)
        columnsWidth += displayList_->GetColumnWidth(column);
    displayList_->SetMinSize(wxSize(std::max(displayList_->GetSize().x, columnsWidth), displayList_->GetSize().y));
    auto* displayHeading = new wxBoxSizer(wxHORIZONTAL);
    displayHeading->Add(displayLabel_, 1, wxALIGN_CENTER_VERTICAL);
    displayHeading->Add(orderButton_, 0, wxALIGN_CENTER_VERTICAL);
    auto* displayColumn = new wxBoxSizer(wxVERTICAL);
    displayColumn->Add(displayHeading, 0, wxEXPAND | wxBOTTOM, 2);
    displayColumn->Add(displayList_, 1, wxEXPAND);

    // The four columns share the window's height; the lists take what is left of it.
    auto* columns = new wxBoxSizer(wxHORIZONTAL);
    columns->Add(familyColumn, 1, wxEXPAND | wxRIGHT, 5);
    columns->Add(simColumn, 0, wxEXPAND | wxRIGHT, 5);
    columns->Add(buttonColumn, 0, wxRIGHT, 5);
    columns->Add(displayColumn, 0, wxEXPAND);

    auto* main = new wxBoxSizer(wxVERTICAL);
    main->Add(top, 0, wxEXPAND | wxALL, 5);
    main->Add(columns, 1, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 5);
    p->SetSizer(main);
}
