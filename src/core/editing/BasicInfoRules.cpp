#include "editing/BasicInfoRules.h"

#include <algorithm>
#include <cctype>

#include "base/Prompter.h"
#include "base/Translate.h"
#include "model/Family.h"
#include "model/Sim.h"
#include "model/SimRegistry.h"
#include "model/Vocabulary.h"

namespace {
// The page shows the signs in the order players are used to from the game's
// own sign picker, not in the order of their codes.
constexpr int32_t kSignCodes[kBasicSignEntryCount] = {2, 1, 4, 8, 16, 32, 64, 128, 256, 512, 1024, 2048};
constexpr const char* kSignEntryTexts[kBasicSignEntryCount] = {
    N_("Aries"), N_("Aquarius"), N_("Cancer"), N_("Capricorn"), N_("Gemini"), N_("Libra"),
    N_("Leo"), N_("Pisces"), N_("Saggitarius"), N_("Scorpio"), N_("Taurus"), N_("Virgo")};

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

bool HasLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }
}  // namespace

int32_t BasicSignCodeAt(int entry) {
    return (entry >= 0 && entry < kBasicSignEntryCount) ? kSignCodes[entry] : 0;
}

std::vector<std::string> BasicSignTexts() {
    std::vector<std::string> texts;
    for (const char* text : kSignEntryTexts) texts.push_back(tr(text));
    return texts;
}

int BasicSignEntryForName(const std::string& signName) {
    if (signName.empty()) return -1;
    for (int i = 0; i < kBasicSignEntryCount; ++i)
        if (SameIgnoringCase(signName, kSignEntryTexts[i]) || SameIgnoringCase(signName, tr(kSignEntryTexts[i])))
            return i;
    return -1;
}

std::string TrimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string CheckFirstName(const Sim& sim, const std::string& firstName, const std::vector<const Sim*>& pending) {
    if (firstName.empty()) return tr("Please enter a first name for your Sim!");
    // The neighborhood file keeps one name per line.
    if (HasLineBreak(firstName)) return tr("A first name cannot hold a line break.");
    const std::string taken = tr("This Sim already exists in the family. Please specify a new name.");
    // The file reader keeps only the first of two members sharing a first
    // name, so any other Sim of the family, registered or still waiting to
    // join, makes the name taken; the Sim's own entry never does.
    if (const Family* family = sim.family) {
        for (const Sim* member : family->members)
            if (member != &sim && member->firstName == firstName) return taken;
    }
    for (const Sim* other : pending)
        if (other != &sim && other->firstName == firstName) return taken;
    return {};
}

bool ConfirmBasicInfo(const Sim& sim, BasicInfoChoice& choice, const std::vector<const Sim*>& pending,
                      Prompter& prompter) {
    choice.firstName = TrimBlanks(choice.firstName);
    if (const std::string problem = CheckFirstName(sim, choice.firstName, pending); !problem.empty()) {
        prompter.Notice(problem, tr("Message"));
        return false;
    }
    if (choice.signEntry < 0 || choice.signEntry >= kBasicSignEntryCount) {
        choice.signEntry = -1;
        return prompter.AskYesNo(tr("If you don't select a Sign, this Sim will not be included in the "
                                    "Possible Friends Search. Continue?\n"),
                                 tr("Warning!"));
    }
    return true;
}

void ApplyBasicInfo(Sim& sim, SimRegistry& registry, const BasicInfoChoice& choice) {
    if (sim.firstName != choice.firstName) registry.RenameSim(sim, choice.firstName);
    // Members' last names are always their family's.
    sim.lastName = sim.ResolvedLastName();
    sim.male = choice.male;
    if (choice.aspiration >= 0 && choice.aspiration < kAspirationCount) sim.aspiration = choice.aspiration;
    if (choice.degree >= 0 && choice.degree < kMajorCount) sim.degree = choice.degree;
    if (choice.signEntry >= 0 && choice.signEntry < kBasicSignEntryCount) {
        sim.sign = kSignCodes[choice.signEntry];
        sim.ApplySign();
    }
}
