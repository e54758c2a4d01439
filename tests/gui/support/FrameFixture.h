#pragma once
#include <memory>
#include <string>

#include <wx/weakref.h>

#include "app/AppContext.h"
#include "app/NestrelFrame.h"
#include "base/IdCounters.h"
#include "support/GuiTestHarness.h"

/// Builds the real main window against a fresh install directory (with "Data/",
/// "Saved/" and the shipped "res/" pictures) and a fresh HOME, so every test starts like
/// a first start on a new machine. Tests prepare files and configuration values before
/// calling BuildFrame().
class FrameTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    /// Creates and shows the frame (the start-up sequence runs in its constructor).
    NestrelFrame& BuildFrame();
    /// BuildFrame, then an empty, unmodified neighborhood with empty lists, for tests
    /// that make their own Sims.
    NestrelFrame& BuildEmptyFrame();

    /// Writes a value to the configuration store before the frame reads it.
    void SetConfigValue(const wxString& key, const wxString& value);

    /// Shows the frame's status field (0 or 1).
    std::string StatusField(int field) const;

    /// Sends the update-UI events a menu gets when it is opened.
    void OpenMenu(int index);

    TempDir root_;
    std::string installDir_;
    IdCounters counters_;
    int helpRequests_ = 0;
    std::unique_ptr<AppContext> context_;
    wxWeakRef<NestrelFrame> frame_;

private:
    std::unique_ptr<ScopedEnv> home_, configHome_, dataHome_, stateHome_;
};
