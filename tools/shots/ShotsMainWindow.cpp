// Pictures of the main window and of what it opens without changing any data.
#include <wx/menu.h>

#include "ShotRegistry.h"
#include "app/CommandIds.h"
#include "app/NestrelFrame.h"
#include "social/LikesChartDlg.h"

namespace {

void Command(NestrelFrame& frame, int id) {
    wxCommandEvent event(wxEVT_MENU, id);
    event.SetEventObject(&frame);
    frame.ProcessWindowEvent(event);
}

ShotRegistration mainWindow("main-window", [](ShotContext& c) -> wxWindow* {
    Command(c.frame, ID_SHOW_FRIENDS);
    return &c.frame;
});

ShotRegistration likesChart("likes-chart", [](ShotContext& c) -> wxWindow* { return new LikesChartDlg(&c.frame); });

}  // namespace

namespace {

// Closed as Cancel, these questions change nothing.
MessageShotRegistration deleteQuestion("delete-sim-question", [](ShotContext& c) {
    wxCommandEvent event(wxEVT_BUTTON, ID_DELETE_SIM);
    c.frame.ProcessWindowEvent(event);
});

MessageShotRegistration saveQuestion("save-question", [](ShotContext& c) { Command(c.frame, ID_NEW); });

// A copy as the timer writes it, offered as at the start after a crash. Closed, the
// question keeps the copy aside in the staged state folder; the neighborhood stays.
MessageShotRegistration recoveryQuestion("recovery-question", [](ShotContext& c) {
    c.frame.SetModified(true);
    c.frame.WriteRecoveryCopy();
    c.frame.SetModified(false);
    c.frame.OfferRecovery(c.frame.CurrentFile());
});

}  // namespace
