#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The fixed code tables of the neighborhood: every coded fact about a Sim is a
// small integer into one of these. Every lookup takes a code straight from the
// model or a file and answers the empty text (or a safe default) for a code
// outside its table, so a damaged file can never index out of bounds. Texts
// are passed through tr() on every lookup.

// --- Signs ---------------------------------------------------------------
/// Twelve signs; the sign at index i has the code 1 << i. Code 0 = no sign.
constexpr int kSignCount = 12;
/// 1 << index, or 0 for an index outside 0..11.
int32_t SignCodeAt(int index);
/// The index of a one-bit sign code, or -1 when the code is not one of the twelve.
int SignIndexForCode(int32_t code);
std::string SignText(int index);
std::string SignLikesText(int index);
std::string SignDislikesText(int index);
/// The likes mask of a sign code (OR of the codes of the two signs it likes);
/// 0 for code 0 and for anything that is not one of the twelve codes.
int32_t LikesMaskForCode(int32_t code);
/// The sign text for a sign code; empty for 0 and unknown codes.
std::string SignTextForCode(int32_t code);
/// The twelve sign texts in table order, for choice controls.
std::vector<std::string> SignTexts();

// --- Relationship statuses ---------------------------------------------------
constexpr int kStatusCount = 5;
constexpr int32_t kStatusNone = 0;
constexpr int32_t kStatusMarried = 1;
constexpr int32_t kStatusCommitted = 2;
constexpr int32_t kStatusSingle = 3;
constexpr int32_t kStatusMatchedUp = 4;
std::string StatusText(int32_t code);
std::vector<std::string> StatusTexts();

// --- Life stages -------------------------------------------------------------
constexpr int kLifeStageCount = 4;
constexpr int32_t kLifeStageElder = 0;
constexpr int32_t kLifeStageAdult = 1;
constexpr int32_t kLifeStageTeen = 2;
constexpr int32_t kLifeStageChild = 3;
std::string LifeStageText(int32_t code);
std::vector<std::string> LifeStageTexts();

// --- Genders -----------------------------------------------------------------
/// Index 0 "Male", 1 "Female".
constexpr int kGenderCount = 2;
std::string GenderText(int index);
/// The gender text of a Sim's `male` flag: entry 0 when male, entry 1 otherwise.
std::string GenderTextForMale(bool male);
std::vector<std::string> GenderTexts();

// --- Aspirations -------------------------------------------------------------
constexpr int kAspirationCount = 7;
std::string AspirationText(int32_t code);
std::vector<std::string> AspirationTexts();

// --- College majors ----------------------------------------------------------
constexpr int kMajorCount = 12;
std::string MajorText(int32_t code);
std::vector<std::string> MajorTexts();

// --- Skills ------------------------------------------------------------------
/// Entry 0 is "None"; entries 1..7 are the skills a career can need, entry
/// i + 1 standing for bit i of a career's skill mask.
constexpr int kSkillCount = 8;
std::string SkillText(int32_t code);
std::vector<std::string> SkillTexts();

// --- Chemistry types ---------------------------------------------------------
constexpr int kChemistryTypeCount = 3;
constexpr int32_t kChemistryNone = -1;
constexpr int32_t kChemistryMedium = 0;
constexpr int32_t kChemistryHigh = 1;
constexpr int32_t kChemistryCrush = 2;
/// "Medium", "High", "Crush or Love" for 0, 1, 2; "Crush or Love" also for 3;
/// "None" for -1 and every other value.
std::string ChemistryTypeText(int32_t type);
/// The three chemistry type texts in code order, for choice controls.
std::vector<std::string> ChemistryTypeTexts();
/// Brings a chemistry type read from outside (a hand-edited file) into the
/// model's range: 0, 1, 2 and -1 stay; 3, which older data used for the same
/// "Crush or Love", becomes 2; anything else becomes -1 ("None"). Code that
/// indexes by type can then rely on -1..2.
int32_t NormalizeChemistryType(int32_t type);

// --- Yes / no ----------------------------------------------------------------
std::string YesText();
std::string NoText();
std::string YesNoText(bool yes);

// --- Fixed working hours -----------------------------------------------------
// Data, not display texts: they are compared and parsed, so they are never
// translated.
inline constexpr const char* kHoursEmployee = "9a-5p";
inline constexpr const char* kHoursTeenSchool = "9a-1p";
inline constexpr const char* kHoursChildSchool = "9a-3p";
inline constexpr const char* kHoursNone = "None";

// --- Hour choices of the main window -------------------------------------------
/// Eighteen entries for the hours 7 .. 24; the hour of entry i is i + 7.
constexpr int kHourEntryCount = 18;
constexpr int kFirstHour = 7;
constexpr int kLastHour = 24;
/// The entry text at an index 0..17; empty outside.
std::string HourEntryText(int index);
/// index + 7.
inline int HourValueForIndex(int index) { return index + kFirstHour; }
/// hour - 7 for an hour 7..24; an hour outside that range counts as 7 (index 0).
int HourIndexForValue(int hour);
std::vector<std::string> HourEntryTexts();

// --- Legacy career numbering -------------------------------------------------
constexpr int kLegacyCareerCount = 12;
/// Texts of the legacy career numbers 0..11; empty otherwise (12 has no text).
std::string LegacyCareerText(int32_t code);
/// The renumbering applied to older files: 10 -> -1, 11 -> -2, 12 -> 0,
/// any other n -> n + 1 (saturating at the 32-bit limit).
int32_t RenumberLegacyCareer(int32_t code);
