#include <wx/intl.h>
#include <wx/msgdlg.h>
#include <wx/statusbr.h>
#include <wx/utils.h>

#include "app/CommandIds.h"
#include "app/FileStatus.h"
#include "app/NestrelFrame.h"
#include "common/FileNameAsker.h"
#include "common/WxString.h"

// The file commands: New, Save, Save As, Backup, Load and Import, with the save routine
// and the save prompt they share. The close request is in FrameClose.cpp.

namespace {

enum class NbdDialog { Load, Import, Save };

/// Asks for a neighborhood file; the empty text when the user cancelled. A suggested
/// name with a folder opens the dialog in that folder; otherwise it opens in the
/// "Saved" folder, where the program keeps neighborhoods given by a bare name.
std::string AskNbdFileName(NbdDialog kind, const std::string& suggested, const std::string& installDir) {
    FileNameRequest request;
    switch (kind) {
        case NbdDialog::Load: request.message = _("Choose NBD file to load Sim Data"); break;
        case NbdDialog::Import: request.message = _("Choose NBD file to IMPORT Sim Data (append to list)"); break;
        case NbdDialog::Save: request.message = _("Choose a file name to save Sim Data"); break;
    }
    request.forSaving = kind == NbdDialog::Save;
    request.extension = "NBD";
    request.wildcard = "*.NBD";
    const size_t cut = suggested.find_last_of("\\/");
    if (cut == std::string::npos) {
        request.defaultDir = ToWx(installDir + "/Saved");
        request.defaultFile = ToWx(suggested);
    } else {
        request.defaultDir = ToWx(suggested.substr(0, cut));
        request.defaultFile = ToWx(suggested.substr(cut + 1));
    }
    return ToStd(AskFileName(request));
}

}  // namespace

void NestrelFrame::BindFileCommands() {
    Bind(wxEVT_MENU, &NestrelFrame::OnNew, this, ID_NEW);
    Bind(wxEVT_MENU, &NestrelFrame::OnSave, this, ID_SAVE);
    Bind(wxEVT_MENU, &NestrelFrame::OnSaveAs, this, ID_SAVE_AS);
    Bind(wxEVT_MENU, &NestrelFrame::OnBackup, this, ID_BACKUP);
    Bind(wxEVT_MENU, &NestrelFrame::OnLoad, this, ID_LOAD);
    Bind(wxEVT_MENU, &NestrelFrame::OnImport, this, ID_IMPORT);
}

std::string NestrelFrame::NamesFilePath() const { return installDir_ + "/Data/defaultNamesList.snf"; }

void NestrelFrame::ShowStatusNow(const wxString& message) {
    ShowStatus(message);
    // The read or write that follows keeps the event loop busy: paint the message now.
    if (wxStatusBar* bar = GetStatusBar()) bar->Update();
}

void NestrelFrame::ResetNeighborhood() {
    CloseFamilyTrees();
    // Steps belong to the neighborhood they were made in.
    history_.Clear();
    RefreshUndoItems();
    registry_.Clear();
    ClearDisplayList();
    context_.counters.Reset();
    currentFile_ = kUnsavedFileName;
    // The neighborhood's name is the file it will be saved to, never the one it replaced.
    registry_.name = currentFile_;
}

bool NestrelFrame::LoadFile(const std::string& name) {
    ResetNeighborhood();
    modified_ = registry_.modified = false;
    return neighborhoodFile_.Read(name);
}

bool NestrelFrame::SaveTo(const std::string& name) {
    std::string target = name;
    bool result = false;
    const std::string copyOf = RecoveryKey();
    const SaveNameCheck check = CheckSaveName(name);
    if (check == SaveNameCheck::AskForName) target = AskNbdFileName(NbdDialog::Save, kUnsavedFileName, installDir_);
    if (check == SaveNameCheck::Empty || target.empty()) {
        ShowNotice(_("Error: Can't save to an empty file"));
    } else {
        ShowStatusNow(_("Saving, Please wait..."));
        wxBusyCursor busy;
        result = neighborhoodFile_.Write(target);
        // A failed write keeps the star: the changes are still only in memory.
        if (result) {
            modified_ = registry_.modified = false;
            history_.MarkSaved();
        }
        // A neighborhood that had no file has one now: later saves go there without
        // asking, and it is the one opened at the next start.
        if (result && check == SaveNameCheck::AskForName) {
            currentFile_ = registry_.name = target;
            neighborhoodFile_.SetCurrentFileName(target);
        }
        if (result) RemoveRecoveryCopyAfterSave(copyOf, target, check == SaveNameCheck::AskForName);
    }
    ShowStatus(_("Ready"));
    return result;
}

bool NestrelFrame::PromptToSave() {
    const int answer = ShowMessageBox(_("Do you want to save your Sim data?"), _(Caption::Save),
                                      wxYES_NO | wxCANCEL | wxCENTRE);
    if (answer == wxCANCEL) return false;
    // A neighborhood left without a file by a failed load is saved like one never
    // saved: the user picks a name.
    const std::string name = currentFile_.empty() ? std::string(kUnsavedFileName) : currentFile_;
    if (answer == wxYES && !SaveTo(name)) {
        // The user wanted the data kept: going on would throw it away unsaved.
        ShowNotice(_("Error saving file!"));
        return false;
    }
    return true;
}

void NestrelFrame::OnNew(wxCommandEvent&) {
    // Asked whenever there are families, whatever the settings say.
    if (!NeighborhoodIsEmpty()) {
        if (!PromptToSave()) return;
        RemoveRecoveryCopy();  // saved, or the user chose to drop the changes
    }
    ResetNeighborhood();
    RefreshFamilies();
    ShowStatus(wxEmptyString);
}

void NestrelFrame::OnSave(wxCommandEvent&) {
    if (!SaveTo(currentFile_)) ShowNotice(_("Error saving file!"));
    ShowStatus(wxEmptyString);
}

void NestrelFrame::OnSaveAs(wxCommandEvent&) {
    const std::string name = AskNbdFileName(NbdDialog::Save, currentFile_, installDir_);
    if (name.empty()) return;
    const std::string copyOf = RecoveryKey();
    if (SaveTo(name)) {
        RemoveRecoveryCopyAfterSave(copyOf, name, true);
        currentFile_ = registry_.name = name;
        neighborhoodFile_.SetCurrentFileName(name);
        RefreshFamilies();
    } else {
        ShowNotice(_("Error saving file!"));
    }
    ShowStatus(wxEmptyString);
}

void NestrelFrame::OnBackup(wxCommandEvent&) {
    const std::string name = AskNbdFileName(NbdDialog::Save, neighborhoodFile_.StoredBackupFileName(), installDir_);
    if (name.empty()) return;
    // The file in use stays the same: the next Save still goes there.
    if (SaveTo(name))
        neighborhoodFile_.SetBackupFileName(name);
    else
        ShowNotice(_("Error backing up file!"));
    ShowStatus(wxEmptyString);
}

void NestrelFrame::OnLoad(wxCommandEvent&) {
    // Asked whenever there are families, whatever the settings say.
    const bool asked = !NeighborhoodIsEmpty();
    if (asked && !PromptToSave()) return;
    const std::string name = AskNbdFileName(NbdDialog::Load, std::string(), installDir_);
    if (!name.empty()) {
        // The changes were saved, or the user chose to drop them.
        if (asked) RemoveRecoveryCopy();
        ShowStatusNow(_("Loading, Please wait..."));
        bool loaded;
        {
            wxBusyCursor busy;
            loaded = LoadFile(name);
        }
        if (loaded) {
            registry_.name = name;
            currentFile_ = name;
            neighborhoodFile_.SetCurrentFileName(name);
        } else {
            currentFile_.clear();
            neighborhoodFile_.SetCurrentFileName(std::string());
            ShowNotice(_("There was an error loading the file."), _(Caption::Error));
        }
        OfferRecovery(name);
        RefreshFamilies();
        EnableSaveItems(true);
    }
    ShowStatus(_("Ready"));
}

void NestrelFrame::OnImport(wxCommandEvent&) {
    const std::string name = AskNbdFileName(NbdDialog::Import, std::string(), installDir_);
    if (name.empty()) {
        ShowStatus(_("Ready"));
        return;
    }
    ShowStatusNow(_("Importing, Please wait..."));
    bool imported;
    {
        wxBusyCursor busy;
        // No reset: the file's families join those in memory, and its names are
        // resolved against every Sim, so imported Sims can refer to loaded ones.
        HistoryStep step(&history_, ToStd(_("Import Sims")));
        imported = neighborhoodFile_.Read(name);
        StepDone(step.Finish());
    }
    // A failed import changes nothing and says nothing.
    if (imported) {
        RefreshFamilies();
        EnableSaveItems(true);
        SetModified(true);
    }
    ShowStatus(_("Ready"));
}
