// Message boxes show their caption in the window title that the window manager sees,
// also the caption "Message", which GTK's native box would otherwise leave out.
#include <cstdio>
#include <string>

#include <wx/msgdlg.h>
#include <wx/timer.h>

#include "common/MessageBox.h"
#include "support/GuiTestHarness.h"

extern "C" void gtk_dialog_response(void* dialog, int response);

namespace {

// The names of the top-level windows, as the X server knows them.
std::string WindowTree() {
    std::string out;
    if (FILE* pipe = ::popen("xwininfo -root -tree 2>&1", "r")) {
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
        ::pclose(pipe);
    }
    return out;
}

// Sees the box when it opens, so that the test can close it.
class BoxWatcher : public wxModalDialogHook {
public:
    wxDialog* current = nullptr;

protected:
    int Enter(wxDialog* dialog) override {
        current = dialog;
        return wxID_NONE;
    }
    void Exit(wxDialog*) override { current = nullptr; }
};

TEST(MessageBoxTitleTest, TheCaptionIsTheWindowTitle) {
    RealModalDialogs real;
    BoxWatcher watcher;
    watcher.Register();
    for (const char* caption : {"Message", "Error", "Delete Item"}) {
        SCOPED_TRACE(caption);
        std::string tree;
        wxTimer look;
        look.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
            if (watcher.current == nullptr || watcher.current->GetHandle() == nullptr) return;
            look.Stop();
            PumpEvents();
            tree = WindowTree();
            gtk_dialog_response(watcher.current->GetHandle(), -4);  // as the close box does
        });
        look.Start(300);
        const int answer = ShowMessageBox("A notice for the test", caption, wxOK | wxCENTRE);
        look.Stop();
        EXPECT_EQ(answer, wxCANCEL);
        ASSERT_FALSE(tree.empty()) << "the box was never seen";
        EXPECT_NE(tree.find(std::string("\"") + caption + "\": "), std::string::npos) << tree;
    }
    watcher.Unregister();
}

}  // namespace
