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
