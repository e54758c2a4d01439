// The command-line tool prints the rows the report windows show: both are compared
// on the example neighborhood.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <wx/choice.h>

#include "reports/AspirationDlg.h"
#include "reports/ShowHoodPrptyDlg.h"
#include "reports/ShowSimGroupsDlg.h"
#include "reports_support.h"
#include "support/FrameFixture.h"

namespace {

using namespace lists_test;
using namespace reports_test;

class ReportsCliTest : public FrameTest {
protected:
    std::string Example() const { return SourceDir() + "/resources/Data/Example.NBD"; }

    // The lines nestrel-cli prints for `arguments` on the example neighborhood.
    std::vector<std::string> Cli(const std::string& arguments) {
        const std::string out = root_ / "cli.txt";
        const std::string command = std::string(NESTREL_CLI) + " --inst '" + installDir_ + "' " + arguments + " > '" + out + "'";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        std::ifstream in(out);
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
};

TEST_F(ReportsCliTest, GroupsAspirationsInformationAndSearchShowWhatTheToolPrints) {
    NestrelFrame& frame = BuildFrame();
    ASSERT_TRUE(frame.LoadFile(Example()));
    frame.Registry().name = Example();  // as the Load command names it
    const std::string file = "'" + Example() + "'";

    for (int group = 0; group < kSimGroupCount; ++group) {
        static const char* const types[] = {"townie", "vampire", "college"};
        ShowSimGroupsDlg groups(&frame, frame);
        groups.GroupChoice()->SetSelection(group);
        groups.FillList(static_cast<SimGroup>(group));
        EXPECT_EQ(ReportRows(groups.List()), Cli("groups " + file + " --type " + types[group])) << types[group];
        groups.SortBy(1);
        EXPECT_FALSE(ReportRows(groups.List()).empty()) << types[group];
        EXPECT_EQ(ReportRows(groups.List()), Cli("groups " + file + " --type " + types[group] + " --by age"));
    }

    AspirationDlg aspirations(&frame, frame.Registry());
    EXPECT_EQ(ReportRows(aspirations.Summary()), Cli("aspirations " + file));
    aspirations.ListSims(2);
    EXPECT_FALSE(Entries(aspirations.SimsList()).empty());
    EXPECT_EQ(Entries(aspirations.SimsList()), Cli("aspirations " + file + " --list Family"));

    ShowHoodPrptyDlg info(&frame, frame.Registry());
    std::vector<std::string> cliInfo = Cli("info " + file);
    ASSERT_EQ(cliInfo.size(), info.Values().size());
    for (size_t i = 0; i < cliInfo.size(); ++i)
        EXPECT_EQ(cliInfo[i].substr(cliInfo[i].find(": ") + 2), Label(info.Values()[i])) << cliInfo[i];

    SimSearchDlg search(&frame, frame, true);
    frame.Registry().SortAndIndex();
    const Sim* someone = frame.Registry().SimAt(0);
    ASSERT_NE(someone, nullptr);
    search.NameField()->SetValue(wxString::FromUTF8(someone->firstName));
    search.SearchByFirstName();
    EXPECT_EQ(Entries(search.Results()), Cli("search " + file + " '" + someone->firstName + "'"));
}

TEST_F(ReportsCliTest, SimCardAndCareerTablesShowWhatTheToolPrints) {
    NestrelFrame& frame = BuildFrame();
    ASSERT_TRUE(frame.LoadFile(Example()));
    frame.Registry().SortAndIndex();
    const Sim* sim = frame.Registry().SimAt(0);
    ASSERT_NE(sim, nullptr);
    const std::vector<std::string> lines = Cli("sim '" + Example() + "' '" + sim->FullName() + "'");
    ShowSimDlg card(&frame, frame.Registry(), sim->id);
    ASSERT_GE(lines.size(), 5u);
    for (size_t i = 0; i < card.Values().size(); ++i)
        EXPECT_EQ(lines[i].substr(lines[i].find('\t') + 1), Label(card.Values()[i])) << lines[i];
    std::vector<std::string> friends;
    wxTEST_DIALOG(card.ShowFriends(), AnswerList([&](SimListDlg* list) {
                      friends = Entries(list->List());
                      friends.push_back(Label(list->Total()));
                      return wxID_OK;
                  }));
    ASSERT_LE(friends.size(), lines.size());
    EXPECT_EQ(std::vector<std::string>(lines.end() - static_cast<std::ptrdiff_t>(friends.size()), lines.end()), friends);
    EXPECT_EQ(lines[lines.size() - friends.size() - 1], Label(card.FriendsText()));
}

}  // namespace
