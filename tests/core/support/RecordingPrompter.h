#pragma once
#include <deque>
#include <string>
#include <vector>

#include "base/Prompter.h"

/// Records every message the core raises and answers questions from a script
/// (No once the script runs out).
class RecordingPrompter : public Prompter {
public:
    struct Message {
        std::string text;
        std::string caption;
        bool question;
    };
    std::vector<Message> messages;
    std::deque<bool> answers;

    void Notice(const std::string& text, const std::string& caption) override {
        messages.push_back({text, caption, false});
    }
    bool AskYesNo(const std::string& text, const std::string& caption) override {
        messages.push_back({text, caption, true});
        if (answers.empty()) return false;
        bool a = answers.front();
        answers.pop_front();
        return a;
    }
};
