#include <cstdlib>

#include <wx/intl.h>

#include "app/ConfigStore.h"
#include "app/FileStatus.h"
#include "app/NestrelFrame.h"
#include "app/RecoveryKeeper.h"
#include "common/MessageBox.h"
#include "common/WxString.h"
#include "recovery/RecoveryFiles.h"

// Recovery of unsaved changes after a crash. While the neighborhood has unsaved
// changes, a copy of it is written every few seconds to the user's state folder; a
// save, a New or Load whose save question was answered, and a normal exit remove it.
// A copy newer than its neighborhood's file is offered at start-up and on Load. The
// rules (where, under which name, which copy is newer) are the core's RecoveryFiles.

void NestrelFrame::CreateRecoveryKeeper() {
    recovery_ = std::make_unique<RecoveryKeeper>(RecoveryDir(std::getenv("XDG_STATE_HOME"), std::getenv("HOME")),
                                                 [this] { WriteRecoveryCopy(); });
    Bind(wxEVT_IDLE, [this](wxIdleEvent& event) {
        recovery_->Idle();
        event.Skip();
    });
}

void NestrelFrame::StartAutoSave() {
    recovery_->Start(AutoSaveSecondsFromText(ReadConfigText(ConfigKey::AutoSaveSeconds)));
}

std::string NestrelFrame::RecoveryKey() const { return NeighborhoodFilePath(neighborhoodFile_, currentFile_); }

bool NestrelFrame::WriteRecoveryCopy() {
    if (!IsModified() || NeighborhoodIsEmpty()) return false;
    // A copy that cannot be written is tried again when the timer next falls due; the
    // user's own saves say when the disk fails them.
    return recovery_->Files().WriteCopy(neighborhoodFile_, RecoveryKey());
}

void NestrelFrame::RemoveRecoveryCopy() { recovery_->Files().RemoveCopy(RecoveryKey()); }

void NestrelFrame::RemoveRecoveryCopyAfterSave(const std::string& copyOf, const std::string& savedTo, bool newFile) {
    // A neighborhood that has just been saved to its own file, or that has a new file
    // now, keeps nothing unsaved. A backup leaves the neighborhood's own file as it was.
    if (newFile || (!copyOf.empty() && NeighborhoodFilePath(neighborhoodFile_, savedTo) == copyOf))
        recovery_->Files().RemoveCopy(copyOf);
}

void NestrelFrame::OfferRecoveryAtStart() {
    if (OfferRecovery(configuredFileName_)) return;
    // Families typed into a neighborhood that never had a file are offered as well.
    // The neighborhood just loaded has no changes yet, so it can give way to them.
    if (OfferRecovery(kUnsavedFileName)) configuredFileName_ = kUnsavedFileName;
}

bool NestrelFrame::OfferRecovery(const std::string& name) {
    RecoveryFiles& files = recovery_->Files();
    const std::string path = NeighborhoodFilePath(neighborhoodFile_, name);
    const std::optional<RecoveryOffer> offer = files.FindOffer(path);
    if (!offer) return false;
    const int answer = ShowMessageBox(ToWx(RecoveryQuestionText(*offer)), _(kRecoverCaption),
                                      wxYES_NO | wxICON_QUESTION | wxCENTRE, IsShown() ? this : nullptr);
    if (answer != wxYES) {
        // Kept aside, not deleted: a wrong answer loses nothing.
        files.Discard(path);
        return false;
    }

    const std::string before = currentFile_;
    const bool hadFamilies = !NeighborhoodIsEmpty();
    if (!LoadFile(offer->copyPath)) {
        const std::string keptAs = files.SetAsideUnreadable(path);
        ShowNotice(ToWx(UnreadableCopyText(*offer, keptAs)), _(Caption::Error), IsShown() ? this : nullptr);
        // Back to the neighborhood that was open before the question.
        if (hadFamilies) LoadFile(before);
        currentFile_ = before;
        return false;
    }
    // The recovered neighborhood belongs to its own file, which stays as it is until
    // the user saves; the copy is now this run's to keep up to date.
    files.TakeOver(path);
    currentFile_ = name;
    neighborhoodFile_.SetCurrentFileName(name);
    registry_.name = name;
    modified_ = registry_.modified = true;
    EnableSaveItems(true);
    return true;
}

void NestrelFrame::FinishRecoveryOnClose(bool sessionEnding) {
    recovery_->Stop();
    // When the session ends nobody could be asked, so changes that are still unsaved
    // live on in the copy until the next start offers them.
    if (sessionEnding && IsModified() && !NeighborhoodIsEmpty()) {
        WriteRecoveryCopy();
        return;
    }
    RemoveRecoveryCopy();
}
