#include "model/Vocabulary.h"

#include <limits>

#include "base/Translate.h"
#include "model/TextFormat.h"

namespace {

struct SignRow {
    const char* name;
    const char* likes;
    int32_t likesMask;
    const char* dislikes;
};

// "Libra" comes before "Leo" and "Saggitarius" keeps its double g: this is the
// order and spelling the program has always stored and listed.
constexpr SignRow kSigns[kSignCount] = {
    {"Aquarius", "Capricorn, Saggitarius", 264, "Scorpio, Virgo"},
    {"Aries", "Gemini, Taurus", 1040, "Cancer, Libra"},
    {"Cancer", "Taurus, Scorpio", 1536, "Gemini, Aries"},
    {"Capricorn", "Aquarius, Taurus", 1025, "Leo, Gemini"},
    {"Gemini", "Pisces, Virgo", 2176, "Capricorn, Aries"},
    {"Libra", "Virgo, Cancer", 2052, "Pisces, Scorpio"},
    {"Leo", "Saggitarius, Cancer", 260, "Capricorn, Gemini"},
    {"Pisces", "Scorpio, Gemini", 528, "Leo, Aries"},
    {"Saggitarius", "Pisces, Capricorn", 136, "Libra, Scorpio"},
    {"Scorpio", "Pisces, Leo", 192, "Libra, Aquarius"},
    {"Taurus", "Aries, Libra", 34, "Virgo, Cancer"},
    {"Virgo", "Aquarius, Saggitarius", 257, "Leo, Taurus"},
};

constexpr const char* kStatuses[kStatusCount] = {"None", "Married", "Committed", "Single",
                                                 "Matched up"};
constexpr const char* kLifeStages[kLifeStageCount] = {"Elder", "Adult", "Teen", "Child"};
constexpr const char* kGenders[kGenderCount] = {"Male", "Female"};
constexpr const char* kAspirations[kAspirationCount] = {
    "None", "Knowledge", "Family", "Romance", "Pleasure", "Money", "Popularity"};
constexpr const char* kMajors[kMajorCount] = {
    "Undeclared", "Art",        "Biology", "Drama",      "Economics",         "History",
    "Literature", "Math",       "Philosophy", "Physics", "Political Science", "Psychology"};
constexpr const char* kSkills[kSkillCount] = {"None",  "Cooking", "Mechanical", "Charisma",
                                              "Body",  "Logic",   "Creativity", "Cleaning"};
constexpr const char* kChemistryTypes[kChemistryTypeCount] = {"Medium", "High", "Crush or Love"};
constexpr const char* kLegacyCareers[kLegacyCareerCount] = {
    "Athletic", "Business", "Criminal", "Culinary", "Law Enforcement", "Medical",
    "Military", "Politics", "Science",  "Slacker",  "School",          "Unemployed"};

template <size_t N>
std::string TableText(const char* const (&table)[N], int64_t code) {
    if (code < 0 || code >= static_cast<int64_t>(N)) return std::string();
    return tr(table[code]);
}

template <size_t N>
std::vector<std::string> TableTexts(const char* const (&table)[N]) {
    std::vector<std::string> out;
    out.reserve(N);
    for (const char* text : table) out.push_back(tr(text));
    return out;
}

bool ValidSignIndex(int index) { return index >= 0 && index < kSignCount; }

}  // namespace

int32_t SignCodeAt(int index) { return ValidSignIndex(index) ? int32_t(1) << index : 0; }

int SignIndexForCode(int32_t code) {
    for (int i = 0; i < kSignCount; ++i)
        if (code == (int32_t(1) << i)) return i;
    return -1;
}

std::string SignText(int index) {
    return ValidSignIndex(index) ? tr(kSigns[index].name) : std::string();
}
std::string SignLikesText(int index) {
    return ValidSignIndex(index) ? tr(kSigns[index].likes) : std::string();
}
std::string SignDislikesText(int index) {
    return ValidSignIndex(index) ? tr(kSigns[index].dislikes) : std::string();
}
int32_t LikesMaskForCode(int32_t code) {
    int index = SignIndexForCode(code);
    return index < 0 ? 0 : kSigns[index].likesMask;
}
std::string SignTextForCode(int32_t code) { return SignText(SignIndexForCode(code)); }
std::vector<std::string> SignTexts() {
    std::vector<std::string> out;
    for (const SignRow& row : kSigns) out.push_back(tr(row.name));
    return out;
}

std::string StatusText(int32_t code) { return TableText(kStatuses, code); }
std::vector<std::string> StatusTexts() { return TableTexts(kStatuses); }

std::string LifeStageText(int32_t code) { return TableText(kLifeStages, code); }
std::vector<std::string> LifeStageTexts() { return TableTexts(kLifeStages); }

std::string GenderText(int index) { return TableText(kGenders, index); }
std::string GenderTextForMale(bool male) { return GenderText(male ? 0 : 1); }
std::vector<std::string> GenderTexts() { return TableTexts(kGenders); }

std::string AspirationText(int32_t code) { return TableText(kAspirations, code); }
std::vector<std::string> AspirationTexts() { return TableTexts(kAspirations); }

std::string MajorText(int32_t code) { return TableText(kMajors, code); }
std::vector<std::string> MajorTexts() { return TableTexts(kMajors); }

std::string SkillText(int32_t code) { return TableText(kSkills, code); }
std::vector<std::string> SkillTexts() { return TableTexts(kSkills); }

std::string ChemistryTypeText(int32_t type) {
    if (type >= 0 && type < kChemistryTypeCount) return tr(kChemistryTypes[type]);
    if (type == 3) return tr(kChemistryTypes[kChemistryCrush]);
    return tr("None");
}
std::vector<std::string> ChemistryTypeTexts() { return TableTexts(kChemistryTypes); }

int32_t NormalizeChemistryType(int32_t type) {
    if (type >= kChemistryNone && type < kChemistryTypeCount) return type;
    if (type == 3) return kChemistryCrush;
    return kChemistryNone;
}

std::string YesText() { return tr("Yes"); }
std::string NoText() { return tr("No"); }
std::string YesNoText(bool yes) { return yes ? YesText() : NoText(); }

std::string HourEntryText(int index) {
    if (index < 0 || index >= kHourEntryCount) return std::string();
    int hour = HourValueForIndex(index);
    if (hour == 12) return tr(" 12 PM (Noon)");
    if (hour == 24) return tr(" 12 AM (Midnight)");
    if (hour < 12) return FormatText(" %d %s", hour, tr(" AM").c_str());
    return FormatText(" %d %s", hour - 12, tr(" PM").c_str());
}

int HourIndexForValue(int hour) {
    if (hour < kFirstHour || hour > kLastHour) return 0;
    return hour - kFirstHour;
}

std::vector<std::string> HourEntryTexts() {
    std::vector<std::string> out;
    for (int i = 0; i < kHourEntryCount; ++i) out.push_back(HourEntryText(i));
    return out;
}

std::string LegacyCareerText(int32_t code) { return TableText(kLegacyCareers, code); }

int32_t RenumberLegacyCareer(int32_t code) {
    switch (code) {
        case 10: return -1;
        case 11: return -2;
        case 12: return 0;
        default:
            if (code == std::numeric_limits<int32_t>::max()) return code;
            return code + 1;
    }
}
