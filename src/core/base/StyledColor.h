#pragma once
// A colour as the program's texts give it: red, green, blue, 0 to 255 each.

namespace kt {

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A text colour and the background it is drawn on (labels, list rows).
struct TextColours {
    Rgb text;
    Rgb background;
    friend bool operator==(const TextColours&, const TextColours&) = default;
};

}  // namespace kt
