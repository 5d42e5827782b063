#pragma once
// What the benchmarks share: nobody answers their questions, and a failed save must still say why.

#include <string>

#include "core/base/Prompter.h"

namespace kt::bench {

// Every question is answered No; the last message is kept for the error a benchmark reports.
class BenchPrompter final : public kt::Prompter {
public:
    void Message(const std::string& text) override { last = text; }
    bool AskYesNo(const std::string&) override { return false; }
    bool AskYesNoDefaultNo(const std::string&) override { return false; }
    kt::Answer AskYesNoCancel(const std::string&) override { return kt::Answer::No; }
    std::string last;
};

}  // namespace kt::bench
