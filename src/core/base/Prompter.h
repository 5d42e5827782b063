#pragma once
// The rules of core speak to the user through this interface: the Qt layer shows message boxes,
// tests record the texts and give scripted answers.

#include <string>

namespace kt {

class Prompter {
public:
    virtual ~Prompter() = default;
    // A modal message with an OK button.
    virtual void Message(const std::string& text) = 0;
    // A modal Yes/No question; true for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
};

}  // namespace kt
