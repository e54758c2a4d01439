#include "app/RecoveryKeeper.h"

#include <algorithm>

#include <wx/dialog.h>
#include <wx/evtloop.h>

RecoveryKeeper::RecoveryKeeper(std::string dir, std::function<void()> writeCopy)
    : files_(std::move(dir)), writeCopy_(std::move(writeCopy)) {
    timer_.Bind(wxEVT_TIMER, [this](wxTimerEvent&) { Due(); });
    watcher_.Register();
}

RecoveryKeeper::~RecoveryKeeper() {
    timer_.Stop();
    watcher_.Unregister();
}

void RecoveryKeeper::Start(int seconds) {
    timer_.Stop();
    if (seconds > 0) timer_.Start(seconds * 1000);
}

void RecoveryKeeper::Stop() {
    timer_.Stop();
    pending_ = false;
}

void RecoveryKeeper::Due() {
    if (SafeToWrite())
        Write();
    else
        pending_ = true;
}

void RecoveryKeeper::Idle() {
    if (pending_ && SafeToWrite()) Write();
}

bool RecoveryKeeper::SafeToWrite() {
    if (watcher_.AnyOpen()) return false;
    // wxYield inside a command handler runs timers in the middle of that command.
    const wxEventLoopBase* loop = wxEventLoopBase::GetActive();
    return loop == nullptr || !loop->IsYielding();
}

void RecoveryKeeper::Write() {
    pending_ = false;
    if (writeCopy_) writeCopy_();
}

bool RecoveryKeeper::DialogWatcher::AnyOpen() {
    open_.erase(std::remove_if(open_.begin(), open_.end(), [](const wxWeakRef<wxDialog>& d) { return !d; }),
                open_.end());
    return !open_.empty();
}

int RecoveryKeeper::DialogWatcher::Enter(wxDialog* dialog) {
    open_.emplace_back(dialog);
    return wxID_NONE;  // the dialog is shown as usual
}

void RecoveryKeeper::DialogWatcher::Exit(wxDialog* dialog) {
    auto it = std::find_if(open_.begin(), open_.end(), [dialog](const wxWeakRef<wxDialog>& d) { return d == dialog; });
    if (it != open_.end()) open_.erase(it);
}
