#pragma once
#include <functional>
#include <string>
#include <vector>

#include <wx/dialog.h>
#include <wx/modalhook.h>
#include <wx/timer.h>
#include <wx/weakref.h>

#include "recovery/RecoveryFiles.h"

/// Keeps the recovery copy of a neighborhood with unsaved changes up to date: a timer
/// falls due every few seconds and the copy is written then, but only from the idle
/// main window. While any modal dialog is open (or a nested loop yields) a dialog may
/// have applied half of its edit to the neighborhood, so a copy that falls due then is
/// written once the window is idle again.
class RecoveryKeeper {
public:
    /// `writeCopy` writes the copy when there are unsaved changes.
    RecoveryKeeper(std::string dir, std::function<void()> writeCopy);
    ~RecoveryKeeper();
    RecoveryKeeper(const RecoveryKeeper&) = delete;
    RecoveryKeeper& operator=(const RecoveryKeeper&) = delete;

    RecoveryFiles& Files() { return files_; }

    /// Falls due every `seconds` seconds; 0 keeps the timer off.
    void Start(int seconds);
    void Stop();
    /// The interval the timer runs at, 0 when it is off.
    int IntervalSeconds() const { return timer_.IsRunning() ? timer_.GetInterval() / 1000 : 0; }

    /// The timer fell due: writes the copy now when that is safe, else once it is.
    void Due();
    /// The main window is idle: writes a copy that fell due while it was not safe.
    void Idle();
    /// True while a copy is waiting for a safe moment.
    bool Pending() const { return pending_; }
    /// No modal dialog is open and no nested loop is running pending events.
    bool SafeToWrite();

private:
    // Notes which modal dialogs are open. A dialog that another hook answered without
    // showing it may be noted without its end; it counts only while it exists.
    class DialogWatcher : public wxModalDialogHook {
    public:
        bool AnyOpen();

    protected:
        int Enter(wxDialog* dialog) override;
        void Exit(wxDialog* dialog) override;

    private:
        std::vector<wxWeakRef<wxDialog>> open_;
    };

    void Write();

    RecoveryFiles files_;
    std::function<void()> writeCopy_;
    wxTimer timer_;
    DialogWatcher watcher_;
    bool pending_ = false;
};
