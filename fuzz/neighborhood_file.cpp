// Reads arbitrary bytes as a neighborhood file, writes the neighborhood and
// reads the written file into a fresh neighborhood: both must describe the
// same neighborhood (abort otherwise).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/IdCounters.h"
#include "base/Prompter.h"
#include "careers/NestrelCareerInfo.h"
#include "model/SimRegistry.h"
#include "storage/CareerFile.h"
#include "storage/GroupFile.h"
#include "storage/NeighborhoodFile.h"
#include "storage/NeighborhoodSnapshot.h"

namespace {

// Answers Yes to the renumbering question, so both paths get exercised
// (the first byte of the input decides).
class FixedPrompter : public Prompter {
public:
    explicit FixedPrompter(bool yes) : yes_(yes) {}
    void Notice(const std::string&, const std::string&) override {}
    bool AskYesNo(const std::string&, const std::string&) override { return yes_; }

private:
    bool yes_;
};

struct Hood {
    IdCounters counters;
    FixedPrompter prompter;
    SimRegistry registry{counters, prompter};
    NestrelCareerInfo careers;
    NeighborhoodFile file;

    explicit Hood(bool yes) : prompter(yes) {
        std::string version;
        ReadCareerGroups(GroupFile::ParseGroups("[settings]\nvers=1.0\n[Cook]\nEnum=4\nL0=Dishwasher,0,100,9a-5p\n"
                                                "[Law]\nEnum=1\nL10=Clerk,0,50,3p-7p\n"),
                         careers.careers, careers.version);
        file.SetRegistry(&registry);
        file.SetCareerInfo(&careers);
        file.SetPrompter(&prompter);
        file.SetCareerVersion(careers.version);
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    bool yes = size > 0 && (data[0] & 1);
    Hood first(yes);
    first.file.ReadFromText(std::string(reinterpret_cast<const char*>(data), size));
    std::string written = first.file.WriteToText();
    if (written.empty()) return 0;

    Hood second(yes);
    if (!second.file.ReadFromText(written)) abort();
    std::string a = DescribeNeighborhood(first.registry, true);
    std::string b = DescribeNeighborhood(second.registry, true);
    if (a != b) {
        std::fprintf(stderr, "first read:\n%s\nafter writing and reading again:\n%s\n", a.c_str(), b.c_str());
        abort();
    }
    // A file this program wrote (the second save) reads back to exactly itself.
    std::string again = second.file.WriteToText();
    Hood third(yes);
    if (!third.file.ReadFromText(again) || third.file.WriteToText() != again) abort();
    return 0;
}
