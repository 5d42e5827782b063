#pragma once
// Helpers shared by the core tests: recorded prompts, a fixed clock and a private temporary
// folder per test, so no test ever touches the user's own files.

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "core/base/Clock.h"
#include "core/base/Prompter.h"

namespace kt {
class CKT2Doc;
}

namespace kt::test {

// Records every message and question; answers questions from a script (default: No). A scripted
// bool answers Yes (true) or No (false); Answer::Cancel answers a Yes/No question with No.
class RecordingPrompter : public kt::Prompter {
public:
    struct Reply {
        Reply(bool yes) : answer(yes ? kt::Answer::Yes : kt::Answer::No) {}  // NOLINT: scripts read as {true, false}
        Reply(kt::Answer a) : answer(a) {}                                   // NOLINT
        kt::Answer answer;
    };
    void Message(const std::string& text) override { messages.push_back(text); }
    bool AskYesNo(const std::string& text) override { return Next(text) == kt::Answer::Yes; }
    bool AskYesNoDefaultNo(const std::string& text) override { return Next(text) == kt::Answer::Yes; }
    kt::Answer AskYesNoCancel(const std::string& text) override { return Next(text); }
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::deque<Reply> answers;

private:
    kt::Answer Next(const std::string& text) {
        questions.push_back(text);
        if (answers.empty()) return kt::Answer::No;
        const kt::Answer a = answers.front().answer;
        answers.pop_front();
        return a;
    }
};

class FixedClock : public kt::Clock {
public:
    explicit FixedClock(kt::Time64 now = 0) : now(now) {}
    kt::Time64 Now() const override { return now; }
    kt::Time64 now;
};

// A fresh folder under the system temp dir, removed with the object.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

std::string ReadAll(const std::filesystem::path& path);
void WriteAll(const std::filesystem::path& path, const std::string& bytes);

// The folder of golden files (tests/data).
std::filesystem::path TestDataDir();

// A folder of the build where tests keep what they make once and later runs reuse (a generated
// locale); created on demand.
std::filesystem::path TestCacheDir();

// Every field of every record of `doc`, a line each in array order (numbers exact), so two
// journals compare equal only when they hold the same records in the same places.
std::string DumpRecords(const CKT2Doc& doc);

}  // namespace kt::test
