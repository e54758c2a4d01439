// The command-line tool prints the same rows as the chemistry windows on the example
// neighborhood.
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <wx/radiobox.h>

#include "chemistry/ChemMatchDlg.h"
#include "chemistry/NeighborhoodMatchDlg.h"
#include "chemistry/ShowChemDlg.h"
#include "chemistry_support.h"
#include "common/FileNameAsker.h"

namespace {

using namespace chemistry_test;

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class ChemistryCliTest : public FrameTest {
protected:
    std::string example_;
    std::string Cli(const std::string& args) {
        const std::string out = root_ / "cli.txt";
        const std::string command = std::string(NESTREL_CLI) + " --inst '" + installDir_ + "' " + args + " '" +
                                    example_ + "' > '" + out + "' 2>/dev/null";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
        return Slurp(out);
    }
};

TEST_F(ChemistryCliTest, MatchesPairsAndTheReportAreTheWindowsRows) {
    example_ = SourceDir() + "/resources/Data/Example.NBD";
    NestrelFrame& frame = BuildFrame();
    ASSERT_TRUE(frame.LoadFile(example_));
    SimRegistry& registry = frame.Registry();

    ChemMatchDlg matching(&frame, registry, wxSize(500, 400));
    matching.AgeBox()->SetSelection(1);
    matching.GenerateResults();
    std::string shown;
    for (const auto& row : ListRows(matching.ResultList())) shown += row[0] + "\t" + row[1] + "\t" + row[2] + "\n";
    EXPECT_GT(matching.ResultList()->GetItemCount(), 1);
    EXPECT_EQ(Cli("matches --age adult"), shown);

    NeighborhoodMatchDlg matchmaker(&frame, registry, &frame.MatchSettings(), wxSize(300, 300));
    shown = "Females:\n";
    for (const std::string& e : Entries(matchmaker.Females())) shown += e + "\n";
    shown += "Males:\n";
    for (const std::string& e : Entries(matchmaker.Males())) shown += e + "\n";
    shown += "Matched Up:\n";
    for (const auto& row : ListRows(matchmaker.PairList())) shown += row[0] + "\t" + row[1] + "\t" + row[2] + "\n";
    // The tool prints a pair's status code, the window the status's name.
    std::string cli = Cli("pairs");
    std::string statusNamed;
    std::istringstream lines(cli);
    for (std::string line; std::getline(lines, line);) {
        const size_t tabs = std::count(line.begin(), line.end(), '\t');
        statusNamed += tabs == 2 ? line.substr(0, line.rfind('\t') + 1) +
                                         StatusText(std::atoi(line.substr(line.rfind('\t') + 1).c_str())) + "\n"
                                   : line + "\n";
    }
    EXPECT_EQ(statusNamed, shown);
    EXPECT_NE(cli.find("\t4\n"), std::string::npos) << "the example holds a matched-up pair";

    ShowChemDlg summary(&frame, registry, wxSize(300, 300));
    const std::string report = root_ / "report.txt";
    FileNameAsker previous = SetFileNameAsker([&](const FileNameRequest&) { return wxString::FromUTF8(report); });
    summary.WriteChemistryFile();
    SetFileNameAsker(previous);
    EXPECT_EQ(Cli("chemistry --age teen"), Slurp(report));
    EXPECT_FALSE(Slurp(report).empty());
}

}  // namespace
