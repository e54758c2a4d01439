// Pictures of the availability list, the order dialog, the settings notebook, the name
// generator, the about box, the update check's progress window and the update dialog.
#include <wx/notebook.h>

#include "ShotRegistry.h"
#include "app/NestrelFrame.h"
#include "availability/AvailableDlg.h"
#include "names/NameGenDlg.h"
#include "settings/FilterSettingsDlg.h"
#include "settings/SettingsDlg.h"
#include "update/AboutDlg.h"
#include "update/UpdateAvailDlg.h"
#include "update/UpdateCheck.h"
#include "update/UpdateProgressDlg.h"
#include "update/VersionManager.h"

namespace {

constexpr int kOnePm = 13;

ShotRegistration availableShot("available-list", [](ShotContext& shot) -> wxWindow* {
    auto* dlg = new AvailableDlg(&shot.frame, shot.frame.Registry(), shot.frame.Settings(), kOnePm, kOnePm);
    dlg->Prepare();
    return dlg;
});

ShotRegistration orderShot("filter-options", [](ShotContext& shot) -> wxWindow* {
    auto* dlg = new FilterSettingsDlg(&shot.frame, shot.frame.Settings(), true);
    dlg->SelectStoredKeys();
    return dlg;
});

wxWindow* SettingsOnPage(ShotContext& shot, int page) {
    auto* dlg = new SettingsDlg(&shot.frame, shot.frame.Settings());
    dlg->Book()->SetSelection(page);
    return dlg;
}
ShotRegistration generalShot("settings-general", [](ShotContext& shot) { return SettingsOnPage(shot, 0); });
ShotRegistration colorsShot("settings-colors", [](ShotContext& shot) { return SettingsOnPage(shot, 1); });
ShotRegistration featuresShot("settings-features", [](ShotContext& shot) { return SettingsOnPage(shot, 2); });

ShotRegistration namesShot("name-generator", [](ShotContext& shot) -> wxWindow* {
    auto* dlg = new NameGenDlg(&shot.frame, shot.frame.Names());
    dlg->GenerateNames();
    return dlg;
});

const std::string ProductPage() { return std::string("http://") + kDefaultUpdateHost + kProductPagePath; }

ShotRegistration aboutShot("about", [](ShotContext& shot) -> wxWindow* {
    auto* dlg = new AboutDlg(&shot.frame, "Nestrel", ProductPage(), ProductPage());
    dlg->SetYear("2008");
    dlg->SetVersion(shot.frame.Versions()->Version());
    dlg->FillTexts();
    return dlg;
});

ShotRegistration updateShot("update-available", [](ShotContext& shot) -> wxWindow* {
    return new UpdateAvailDlg(&shot.frame, "3.5", shot.frame.Versions()->Version(), ProductPage(), ProductPage());
});

ShotRegistration updateProgressShot("update-progress", [](ShotContext& shot) -> wxWindow* {
    return new UpdateProgressDlg(&shot.frame, [] {});
});

}  // namespace
