#pragma once
// A small reader for the rich-text (RTF) subset that the program's own documents use, turning it
// into styled text for a read-only pane. It is not a general RTF reader. It knows:
// - groups { } (formatting inside a group ends with it), \par and \line (line break), \tab;
// - \b \i \ul (with 0 to switch off), \ulnone, \plain, \fN (font table), \fsN (half points),
//   \cfN (colour table), \pard, \ql \qc \qr \qj (paragraph alignment);
// - characters: \'hh (Windows-1252), \uN with \ucN, \~ \_ \- \\ \{ \}, \bullet, \emdash,
//   \endash, \lquote, \rquote, \ldblquote, \rdblquote;
// - the font and colour tables; groups starting with \* and the stylesheet, info, pict, header
//   and footer groups are skipped.
// Every other control word is ignored, and line ends in the file are not text. A text that is not
// RTF at all comes out as plain text with its line ends dropped.

#include <string_view>

#include "core/base/StyledText.h"

namespace kt {

// Every run of text gets a span with its full format (font, size, colour, bold, italic,
// underline); each paragraph's alignment is listed when it is not left.
StyledText RtfToStyledText(std::string_view rtf);

}  // namespace kt
