#pragma once
#include <cstdint>
#include <string>
#include <vector>

class Family;
class Prompter;
class Sim;
class SimRegistry;

/// The sign combo of the basic page lists the signs in this order; each entry
/// carries the sign's code.
constexpr int kBasicSignEntryCount = 12;
int32_t BasicSignCodeAt(int entry);
std::vector<std::string> BasicSignTexts();
/// The entry whose text equals the sign name, case ignored; -1 when none.
int BasicSignEntryForName(const std::string& signName);

/// Leading and trailing blanks (spaces, tabs) removed.
std::string TrimBlanks(const std::string& text);

/// What the basic page holds when the user presses OK. -1 means no entry is
/// selected in that combo.
struct BasicInfoChoice {
    std::string firstName;
    int signEntry = 0;
    bool male = true;
    int aspiration = -1;
    int degree = -1;
};

/// The message that refuses a first name, or empty text when it can be stored:
/// empty, holding a line break, or taken by another member of the family or by
/// another Sim still waiting to join it (`pending`). The Sim's own unchanged
/// name is never taken.
std::string CheckFirstName(const Sim& sim, const std::string& firstName,
                           const std::vector<const Sim*>& pending);

/// Every check and question of the basic page, before anything is written:
/// the first name (trimmed), then, without a sign, the question whether to go
/// on. True when the choice may be written.
bool ConfirmBasicInfo(const Sim& sim, BasicInfoChoice& choice, const std::vector<const Sim*>& pending,
                      Prompter& prompter);

/// Writes a confirmed choice into the Sim: a registered Sim is renamed through
/// the registry so lookups by full name stay right. Aspiration and degree stay
/// as they were when nothing is selected; the sign stays without a selection.
void ApplyBasicInfo(Sim& sim, SimRegistry& registry, const BasicInfoChoice& choice);
