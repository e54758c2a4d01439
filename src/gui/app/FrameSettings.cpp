// The main window's availability list, list order, settings, name generator, about
// box and update check.
#include <wx/combobox.h>
#include <wx/panel.h>
#include <wx/stattext.h>

#include "app/CommandIds.h"
#include "app/NestrelFrame.h"
#include "availability/AvailabilityRows.h"
#include "availability/AvailableDlg.h"
#include "common/WxColour.h"
#include "names/NameGenDlg.h"
#include "settings/FilterSettingsDlg.h"
#include "settings/SettingsDlg.h"
#include "storage/ProgramSettings.h"
#include "update/VersionManager.h"

void NestrelFrame::BindSettingsCommands() {
    // The two panel buttons send button events; menus and tests send menu events.
    Bind(wxEVT_BUTTON, &NestrelFrame::OnFullList, this, ID_FULL_LIST);
    Bind(wxEVT_MENU, &NestrelFrame::OnFullList, this, ID_FULL_LIST);
    Bind(wxEVT_BUTTON, &NestrelFrame::OnOrder, this, ID_ORDER);
    Bind(wxEVT_MENU, &NestrelFrame::OnOrder, this, ID_ORDER);
    Bind(wxEVT_MENU, &NestrelFrame::OnSettings, this, ID_SETTINGS);
    Bind(wxEVT_MENU, &NestrelFrame::OnNameGenerator, this, ID_NAME_GENERATOR);
    Bind(wxEVT_MENU, &NestrelFrame::OnAbout, this, ID_ABOUT);
    Bind(wxEVT_MENU, &NestrelFrame::OnCheckUpdates, this, ID_CHECK_UPDATES);
}

void NestrelFrame::OnFullList(wxCommandEvent&) {
    // The list is for the hour the selector shows, which becomes the window's hour.
    selectedHour_ = AvailabilityHourForEntry(hourChoice_->GetSelection());
    const int32_t first = settings_.firstOrder, second = settings_.secondOrder;
    AvailableDlg dialog(this, registry_, settings_, selectedHour_, selectedHour_);
    dialog.ShowModal();
    // "Order By..." there may have changed the order the display list follows.
    if (settings_.firstOrder != first || settings_.secondOrder != second) SaveProgramSettings();
    if (!NeighborhoodIsEmpty()) RefreshDisplay();
}

void NestrelFrame::OnOrder(wxCommandEvent&) {
    FilterSettingsDlg dialog(this, settings_, true);
    // Kept in the file at once, so a program that ends without closing keeps it too.
    if (dialog.ShowModal() == wxID_OK) SaveProgramSettings();
    if (!NeighborhoodIsEmpty()) RefreshDisplay();
}

void NestrelFrame::OnSettings(wxCommandEvent&) {
    SettingsDlg dialog(this, settings_);
    if (dialog.ShowModal() == wxID_OK) ApplySettingsColours();
    SaveProgramSettings();
}

void NestrelFrame::ApplySettingsColours() {
    panel_->SetBackgroundColour(ToWxColour(settings_.bgColor));
    const wxColour text = ToWxColour(settings_.textColor);
    panel_->SetForegroundColour(text);
    for (wxStaticText* label : {hourLabel_, familyLabel_, simLabel_, displayLabel_}) label->SetForegroundColour(text);
    panel_->Refresh();
    Layout();
    RefreshFamilies();
}

void NestrelFrame::SaveProgramSettings() {
    // Always with the matchmaker's group: a file without it would give the
    // matchmaker its defaults at the next start if the program ended before closing.
    WriteSettings(SettingsFilePath(installDir_), settings_, &matchSettings_);
}

void NestrelFrame::OnNameGenerator(wxCommandEvent&) {
    NameGenDlg dialog(this, names_);
    dialog.ShowModal();
}

void NestrelFrame::OnAbout(wxCommandEvent&) {
    if (versionManager_) versionManager_->ShowAbout();
}

void NestrelFrame::OnCheckUpdates(wxCommandEvent&) {
    if (versionManager_) versionManager_->CheckForUpdate();
}
