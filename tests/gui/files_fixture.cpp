#include "files_fixture.h"

#include <fstream>
#include <sstream>

#include "model/Family.h"
#include "model/FamilyList.h"

std::string NbdText(const std::string& lines) {
    std::string out;
    for (char c : lines) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

std::string OneSimNbd(const std::string& family, const std::string& first, const std::string& extraMemberLines,
                      const std::string& careerVers) {
    return NbdText("[settings]\nCareerVers=" + careerVers + "\n[" + family + "]\nNumMembers=1\nName0=" + first +
                   "\nSign0=64\nStatus0=3\nGender0=0\nAge0=1\nCareer0=-2\nLevel0=0\n" + extraMemberLines);
}

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "<missing>";
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void FilesTest::SetUp() {
    FrameTest::SetUp();
    SetFileNameAsker([this](const FileNameRequest& request) {
        asked_.push_back(request);
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected file question \"" << request.message.utf8_str() << "\"";
            return wxString();
        }
        const std::string answer = answers_.front();
        answers_.pop_front();
        return wxString::FromUTF8(answer);
    });
}

void FilesTest::TearDown() {
    SetFileNameAsker({});
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " file question(s) expected but not asked";
    FrameTest::TearDown();
}

void FilesTest::AnswerFileDialogs(std::vector<std::string> answers) {
    answers_.assign(answers.begin(), answers.end());
}

std::vector<std::string> FilesTest::FamilyNames() {
    std::vector<std::string> names;
    for (const Family* family : frame_->Registry().families) names.push_back(family->name);
    return names;
}

int StatusAtMessageBox::OnInvoked(wxMessageDialog* dlg) const {
    if (!caption_.empty()) EXPECT_EQ(std::string(dlg->GetTitle().utf8_str()), std::string(caption_.utf8_str()));
    *seen_ = std::string(frame_->GetStatusBar()->GetStatusText(0).utf8_str());
    return answer_;
}
