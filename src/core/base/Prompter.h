#pragma once
// The rules of core speak to the user through this interface: the Qt layer shows message boxes,
// tests record the texts and give scripted answers.

#include <string>

namespace kt {

enum class Answer { Yes, No, Cancel };

class Prompter {
public:
    virtual ~Prompter() = default;
    // A modal message with an OK button.
    virtual void Message(const std::string& text) = 0;
    // A modal Yes/No question; true for Yes. Return answers Yes, Escape answers No.
    virtual bool AskYesNo(const std::string& text) = 0;
    // A Yes/No question whose safe answer is No: Return and Escape both answer No.
    virtual bool AskYesNoDefaultNo(const std::string& text) = 0;
    // A Yes/No/Cancel question. Escape and closing the message answer Cancel: a question that
    // decides whether records are kept must always let the user step back.
    virtual Answer AskYesNoCancel(const std::string& text) = 0;
};

// For the moments nobody can answer (the desktop session ends, the program was told to stop):
// every message is dropped and every question gets its safe answer, which never destroys a file.
class SilentPrompter final : public Prompter {
public:
    void Message(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return false; }
    bool AskYesNoDefaultNo(const std::string&) override { return false; }
    Answer AskYesNoCancel(const std::string&) override { return Answer::Cancel; }
};

}  // namespace kt
