#pragma once
// The data folder's text files hold one byte per character: a character up to U+00FF is the
// byte of the same value, lines end in CR LF when written, LF or CR LF are accepted when read,
// and there is no byte-order mark. In memory every text is UTF-8.
//
// Characters above U+00FF have no byte of their own (two default activity names end in the
// ellipsis U+2026, and users type any text). They are written as an escape: the byte ESC (0x1B)
// followed by exactly six upper-case hexadecimal digits of the code point, e.g. U+2026 becomes
// ESC "002026". ESC is a control character that no text of the journal carries, so a file whose
// characters all lie up to U+00FF is byte for byte the plain format. A literal ESC in a text is
// itself written as ESC "00001B", which keeps every text lossless. When reading, only an ESC
// followed by six hex digits naming a valid code point is decoded; any other ESC byte, and text
// that merely resembles an escape without the ESC byte ("\u2026", "&#8230;", "002026"), is read
// as the characters it is.

#include <string>
#include <string_view>
#include <vector>

namespace kt {

// True when `text` holds a byte of 0x80 or more or an ESC: only then do its UTF-8 form and its
// file form differ. Plain ASCII is its own file form both ways.
bool NeedsCoding(std::string_view text);

// UTF-8 text -> file bytes of one line (no line end added).
std::string EncodeLine(std::string_view utf8);
// File bytes of one line (line end already removed) -> UTF-8 text.
std::string DecodeLine(std::string_view bytes);
// The same into `out`, replacing what it held, so that a reader decoding line after line reuses
// one buffer.
void DecodeLineInto(std::string_view bytes, std::string& out);

// Splits file content into lines: LF or CR LF end a line; a final line without an end counts,
// an empty content or a trailing line end adds no empty last line.
std::vector<std::string> SplitLines(std::string_view content);

// The content without a leading UTF-8 byte-order mark (EF BB BF): editors add one, and it would
// otherwise become part of the first line (a journal's first date would read as 0).
std::string_view SkipByteOrderMark(std::string_view content);

// Decodes a whole file's bytes into UTF-8 lines; a leading byte-order mark is skipped.
std::vector<std::string> DecodeText(std::string_view content);
// Encodes UTF-8 lines into file bytes, each line ended by CR LF.
std::string EncodeText(const std::vector<std::string>& lines);

// Converts between UTF-8 and code points. Invalid UTF-8 bytes are taken as the Latin-1
// character of the same value, so no byte is ever dropped.
std::u32string Utf8ToCodePoints(std::string_view utf8);
std::string CodePointsToUtf8(std::u32string_view cps);
void AppendUtf8(std::string& out, char32_t cp);

}  // namespace kt
