#pragma once
#include <string>

/// The few messages the core must raise itself (a Sim added without a family,
/// a broken family index, a partner name lost while reading, the career
/// version questions) go through this interface. The desktop program answers
/// with message boxes, the command-line tool with stderr and preset answers,
/// tests with a recording fake.
class Prompter {
public:
    virtual ~Prompter() = default;
    /// A notice with one OK button. Texts arrive already translated.
    virtual void Notice(const std::string& text, const std::string& caption) = 0;
    /// A Yes/No question; true means Yes.
    virtual bool AskYesNo(const std::string& text, const std::string& caption) = 0;
};

/// Says nothing and answers No: for callers that have nobody to ask.
class SilentPrompter : public Prompter {
public:
    void Notice(const std::string&, const std::string&) override {}
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
};
