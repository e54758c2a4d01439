#pragma once
#include <iostream>
#include <string>

#include "base/Prompter.h"

/// The core's notices and questions on the command line: both go to stderr
/// (stdout carries the command's own output), and questions get the answer
/// chosen by an option, printed after the question.
class CliPrompter : public Prompter {
public:
    explicit CliPrompter(bool answer) : answer_(answer) {}

    void Notice(const std::string& text, const std::string& caption) override {
        std::cerr << caption << ": " << text << '\n';
    }
    bool AskYesNo(const std::string& text, const std::string& caption) override {
        std::cerr << caption << ": " << text << '\n'
                  << (answer_ ? "Answered Yes (--renumber-careers).\n"
                              : "Answered No (give --renumber-careers to answer Yes).\n");
        return answer_;
    }

private:
    bool answer_;
};
