#pragma once
// A font as the program's texts name it: family, size in points, bold and italic. The ui builds
// its fonts from these, so the look of a control is decided here with its texts.

namespace kt {

struct FontStyle {
    const char* family = "";
    double points = 0.0;
    bool bold = false;
    bool italic = false;
};

}  // namespace kt
