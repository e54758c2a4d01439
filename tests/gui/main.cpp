// The window tests' program: GoogleTest inside a running wx application that never
// enters its main loop. Each test drives windows through their handlers and pumps
// events itself.
#include <cstdlib>

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>

#include "app/AppSetup.h"
#include "app/Translations.h"
#include "support/GuiTestHarness.h"

namespace {

class TestApp : public wxApp {
public:
    // The base would parse the command line, which belongs to GoogleTest.
    bool OnInit() override { return true; }
};

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();  // test discovery needs no display

    // Nothing the tests do may touch the real user's files.
    TempDir home;
    ScopedEnv homeVar("HOME", home.Path());
    ScopedEnv configVar("XDG_CONFIG_HOME", home / ".config");
    ScopedEnv dataVar("XDG_DATA_HOME", home / ".local/share");

    wxApp::SetInstance(new TestApp);
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "cannot initialise the toolkit (no display?)\n");
        return 1;
    }
    wxTheApp->CallOnInit();
    SetUpToolkit(*wxTheApp);
    // The window tests check the program's English texts. Only the run given a catalogue
    // folder (ctest's gui.german, under LANG=de_DE.UTF-8) loads a translation.
    if (std::getenv("NESTREL_LOCALE_DIR") != nullptr) SetUpTranslations({std::getenv("NESTREL_LOCALE_DIR")});
    InstallGuiTestSafetyNets();

    const int result = RUN_ALL_TESTS();

    wxTheApp->OnExit();
    wxEntryCleanup();
    return result;
}
