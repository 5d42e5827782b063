#pragma once
// Text with character and paragraph styles, as core hands it to a read-only rich-text pane.
//
// Representation, chosen on purpose:
// - `text` is UTF-8. Lines (paragraphs) are separated by a single "\n"; no "\r" ever appears.
//   The program's own texts are written with CR LF line ends; StyledText::Append turns every
//   "\r\n" (and a lone "\r") into one "\n", because that is what a Qt text document wants and it
//   keeps one character per line break, the way a rich edit control counts them.
// - Span positions are BYTE offsets into `text` (start and length in UTF-8 bytes). Core never has
//   to decode UTF-8 to place a span; the painter converts byte offsets to its own string units.
//   A span never starts or ends inside a multi-byte character.
// - Spans do not overlap when core builds them; a painter that meets overlapping spans applies
//   them in order, later ones winning.
// - Characters outside every span are drawn in `defaultColour`, bold when `defaultBold`, at
//   `defaultPointSize` when it is set.
// - `alignments` lists paragraphs by index (0 = the first line); unlisted ones are left-aligned.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/base/StyledColor.h"

namespace kt {

struct TextSpan {
    size_t start = 0;   // byte offset into StyledText::text
    size_t length = 0;  // in bytes
    bool bold = false;
    bool italic = false;
    bool underline = false;
    Rgb colour;
    std::string face;      // font family; empty keeps the pane's
    double pointSize = 0;  // in points; 0 keeps the pane's
    std::string link;      // not empty: the span is a link the pane reports by this name when clicked
    friend bool operator==(const TextSpan&, const TextSpan&) = default;
};

enum class ParagraphAlign { Left, Center, Right };

struct ParagraphStyle {
    size_t paragraph = 0;  // 0-based line index
    ParagraphAlign align = ParagraphAlign::Left;
    friend bool operator==(const ParagraphStyle&, const ParagraphStyle&) = default;
};

struct StyledText {
    std::string text;
    std::vector<TextSpan> spans;
    std::vector<ParagraphStyle> alignments;
    Rgb background{255, 255, 255};
    Rgb defaultColour{0, 0, 0};
    bool defaultBold = false;
    double defaultPointSize = 0;  // in points; 0 keeps the pane's font size

    // Appends `piece` with CR LF (or a lone CR) turned into "\n". Returns the byte offset at which
    // the appended text starts.
    size_t Append(std::string_view piece) {
        const size_t at = text.size();
        for (size_t i = 0; i < piece.size(); ++i) {
            const char c = piece[i];
            if (c == '\r') {
                text.push_back('\n');
                if (i + 1 < piece.size() && piece[i + 1] == '\n') ++i;
            } else {
                text.push_back(c);
            }
        }
        return at;
    }

    // The text between two byte offsets, for tests and painters alike.
    std::string_view Slice(size_t start, size_t length) const {
        if (start > text.size()) return {};
        return std::string_view(text).substr(start, length);
    }
};

// Adds a span styled like `style` (its start and length are ignored) over the text between
// `startKey` and `endKey`, both searched from `from` onwards; blanks and commas around the value
// stay plain. Returns where the end key starts, so the next search begins there, or `from`
// unchanged when a key is missing (no span then).
size_t SpanBetween(StyledText& t, size_t from, std::string_view startKey, std::string_view endKey, const TextSpan& style);

// Adds a span styled like `style` over the first `words` found from `from` onwards. Returns the
// position after them, or `from` when they are missing.
size_t SpanWords(StyledText& t, size_t from, std::string_view words, const TextSpan& style);

}  // namespace kt
