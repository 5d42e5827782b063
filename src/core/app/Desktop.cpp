#include "core/app/Desktop.h"

#include <map>

namespace kt {

const std::vector<std::string>& CalculatorPrograms() {
    // The desktops' own first, then the stand-alone ones, the X11 one last.
    static const std::vector<std::string> programs = {"gnome-calculator", "kcalc", "qalculate-gtk", "galculator", "xcalc"};
    return programs;
}

std::string CalculatorFailureText(int code) {
    static const std::map<int, const char*> texts = {
        {0, "The operating system is out of memory or resources. "},
        {2, "The specified file was not found. "},
        {3, "The specified path was not found. "},
        {5, "The operating system denied access to the specified file."},
        {8, "There was not enough memory to complete the operation. "},
        {11, "The .exe file is invalid (non-Microsoft Win32 .exe or error in .exe image). "},
        {26, "A sharing violation occurred. "},
        {27, "The file name association is incomplete or invalid. "},
        {28, "The DDE transaction could not be completed because the request timed out. "},
        {29, "The DDE transaction failed. "},
        {30, "The Dynamic Data Exchange (DDE) transaction could not be completed because other DDE transactions were being processed. "},
        {31,
         "There is no application associated with the given file name extension. This error will also be returned if you attempt to "
         "print a file that is not printable. "},
        {32, "The specified DLL was not found. "},
    };
    const auto it = texts.find(code);
    return std::string("Unable to run calculator: ") + (it != texts.end() ? it->second : "");
}

}  // namespace kt
