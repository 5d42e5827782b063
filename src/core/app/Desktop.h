#pragma once
// The commands that hand over to the desktop: the calculator, the help file and the maker's web
// site. The ui starts the programs and opens the files; the names and messages are here.

#include <string>
#include <vector>

namespace kt {

// The calculators tried in turn, each by its program name looked up in PATH, started directly
// (never through a shell) with no arguments.
const std::vector<std::string>& CalculatorPrograms();

// Result codes of a failed start, as the message table numbers them.
constexpr int kStartOutOfResources = 0;
constexpr int kStartFileNotFound = 2;

// "Unable to run calculator: " followed by the text for `code` (empty for a code without one).
std::string CalculatorFailureText(int code);

// The help file, looked up by its bare name in the current folder.
inline constexpr const char* kHelpFileName = "KT.chm";

}  // namespace kt
