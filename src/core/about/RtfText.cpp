#include "core/about/RtfText.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kt {
namespace {

enum class Dest { Text, Skip, FontTable, ColourTable };

struct State {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int font = 0;
    int halfPoints = 24;  // RTF's default size, 12 points
    int colour = 0;       // 0 = the automatic colour
    int unicodeSkip = 1;
    ParagraphAlign align = ParagraphAlign::Left;
    Dest dest = Dest::Text;
};

// The Windows-1252 characters 0x80..0x9F that differ from Latin-1; 0 where the code is unused.
constexpr char32_t kCp1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                                      0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t FromCp1252(unsigned char c) {
    if (c >= 0x80 && c < 0xA0) return kCp1252High[c - 0x80] ? kCp1252High[c - 0x80] : U'?';
    return c;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

const std::map<std::string_view, char32_t> kSymbolWords = {
    {"bullet", 0x2022}, {"emdash", 0x2014},    {"endash", 0x2013},    {"lquote", 0x2018},
    {"rquote", 0x2019}, {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"tab", U'\t'},
};

class Reader {
public:
    explicit Reader(std::string_view rtf) : m_in(rtf) {}

    StyledText Run() {
        while (m_pos < m_in.size()) {
            const char c = m_in[m_pos++];
            if (c == '{') {
                m_stack.push_back(m_state);
                m_groupStart = true;
                continue;
            }
            if (c == '}') {
                if (!m_stack.empty()) {
                    m_state = m_stack.back();
                    m_stack.pop_back();
                }
                m_groupStart = false;
                continue;
            }
            const bool wasGroupStart = m_groupStart;
            m_groupStart = false;
            if (c == '\\') {
                Control(wasGroupStart);
            } else if (c != '\r' && c != '\n') {
                Char(static_cast<unsigned char>(c));
            }
        }
        EndParagraph();
        return std::move(m_out);
    }

private:
    void Control(bool groupStart) {
        if (m_pos >= m_in.size()) return;
        const char c = m_in[m_pos];
        if (!IsLetter(c)) {
            ++m_pos;
            Symbol(c);
            return;
        }
        const size_t wordStart = m_pos;
        while (m_pos < m_in.size() && IsLetter(m_in[m_pos])) ++m_pos;
        const std::string_view word = m_in.substr(wordStart, m_pos - wordStart);
        std::optional<int> param;
        bool negative = false;
        if (m_pos < m_in.size() && m_in[m_pos] == '-') {
            negative = true;
            ++m_pos;
        }
        if (m_pos < m_in.size() && IsDigit(m_in[m_pos])) {
            long value = 0;
            while (m_pos < m_in.size() && IsDigit(m_in[m_pos])) {
                if (value < 1'000'000'000) value = value * 10 + (m_in[m_pos] - '0');
                ++m_pos;
            }
            param = static_cast<int>(negative ? -value : value);
        }
        // A blank ends a control word and is part of it.
        if (m_pos < m_in.size() && m_in[m_pos] == ' ') ++m_pos;
        Word(word, param, groupStart);
    }

    void Symbol(char c) {
        switch (c) {
            case '\'': {
                const int hi = m_pos < m_in.size() ? HexValue(m_in[m_pos]) : -1;
                const int lo = m_pos + 1 < m_in.size() ? HexValue(m_in[m_pos + 1]) : -1;
                if (hi < 0 || lo < 0) return;
                m_pos += 2;
                Emit(FromCp1252(static_cast<unsigned char>(hi * 16 + lo)));
                return;
            }
            case '*':
                m_state.dest = Dest::Skip;
                return;
            case '~':
                Emit(0x00A0);
                return;
            case '_':
                Emit(U'-');
                return;
            case '\r':
            case '\n':
                Paragraph();
                return;
            case '\\':
            case '{':
            case '}':
                Char(static_cast<unsigned char>(c));
                return;
            default:
                return;  // \- (optional hyphen) and unknown symbols show nothing
        }
    }

    void Word(std::string_view w, std::optional<int> param, bool groupStart) {
        const int n = param.value_or(1);
        if (groupStart) {
            if (w == "fonttbl") {
                m_state.dest = Dest::FontTable;
                return;
            }
            if (w == "colortbl") {
                m_state.dest = Dest::ColourTable;
                return;
            }
            if (w == "stylesheet" || w == "info" || w == "pict" || w.starts_with("header") || w.starts_with("footer")) {
                m_state.dest = Dest::Skip;
                return;
            }
        }
        if (m_state.dest == Dest::ColourTable) {
            if (w == "red") m_pendingColour.r = n;
            if (w == "green") m_pendingColour.g = n;
            if (w == "blue") m_pendingColour.b = n;
            if (w == "red" || w == "green" || w == "blue") m_colourGiven = true;
            return;
        }
        if (m_state.dest == Dest::FontTable) {
            if (w == "f") m_pendingFont = n;
            return;
        }
        if (m_state.dest == Dest::Skip) return;

        if (w == "par" || w == "line") {
            Paragraph();
        } else if (w == "b") {
            m_state.bold = n != 0;
        } else if (w == "i") {
            m_state.italic = n != 0;
        } else if (w == "ul") {
            m_state.underline = n != 0;
        } else if (w == "ulnone") {
            m_state.underline = false;
        } else if (w == "plain") {
            const State reset;
            m_state.bold = reset.bold;
            m_state.italic = reset.italic;
            m_state.underline = reset.underline;
            m_state.font = reset.font;
            m_state.halfPoints = reset.halfPoints;
            m_state.colour = reset.colour;
        } else if (w == "f") {
            m_state.font = n;
        } else if (w == "fs") {
            if (n > 0) m_state.halfPoints = n;
        } else if (w == "cf") {
            m_state.colour = n;
        } else if (w == "uc") {
            m_state.unicodeSkip = n < 0 ? 0 : n;
        } else if (w == "u" && param) {
            Emit(static_cast<char32_t>(*param < 0 ? *param + 65536 : *param));
            m_skip = m_state.unicodeSkip;
            return;  // the skip starts after this word
        } else if (w == "pard") {
            m_state.align = ParagraphAlign::Left;
        } else if (w == "ql" || w == "qj") {
            m_state.align = ParagraphAlign::Left;
        } else if (w == "qc") {
            m_state.align = ParagraphAlign::Center;
        } else if (w == "qr") {
            m_state.align = ParagraphAlign::Right;
        } else if (auto symbol = kSymbolWords.find(w); symbol != kSymbolWords.end()) {
            Emit(symbol->second);
        }
    }

    void Char(unsigned char c) {
        if (m_state.dest == Dest::FontTable) {
            if (c == ';') {
                m_fonts[m_pendingFont] = m_pendingName;
                m_pendingName.clear();
            } else {
                m_pendingName.push_back(static_cast<char>(c));
            }
            return;
        }
        if (m_state.dest == Dest::ColourTable) {
            if (c == ';') {
                m_colours.push_back(m_colourGiven ? std::optional<Rgb>(m_pendingColour) : std::nullopt);
                m_pendingColour = {};
                m_colourGiven = false;
            }
            return;
        }
        Emit(FromCp1252(c));
    }

    void Emit(char32_t c) {
        if (m_state.dest != Dest::Text) return;
        if (m_skip > 0) {
            --m_skip;
            return;
        }
        Put(c);
    }

    // Appends a character in the current format, extending the last span when the format is the same.
    void Put(char32_t c) {
        m_lastAlign = m_state.align;
        TextSpan format = Format();
        const size_t at = m_out.text.size();
        AppendUtf8(m_out.text, c);
        if (!m_out.spans.empty()) {
            TextSpan& last = m_out.spans.back();
            format.start = last.start;
            format.length = last.length;
            if (last.start + last.length == at && last == format) {
                last.length = m_out.text.size() - last.start;
                return;
            }
        }
        format.start = at;
        format.length = m_out.text.size() - at;
        m_out.spans.push_back(format);
    }

    TextSpan Format() const {
        TextSpan s;
        s.bold = m_state.bold;
        s.italic = m_state.italic;
        s.underline = m_state.underline;
        const size_t index = static_cast<size_t>(m_state.colour);
        if (m_state.colour > 0 && index < m_colours.size() && m_colours[index]) s.colour = *m_colours[index];
        if (auto font = m_fonts.find(m_state.font); font != m_fonts.end()) s.face = font->second;
        s.pointSize = m_state.halfPoints / 2.0;
        return s;
    }

    void Paragraph() {
        if (m_state.dest != Dest::Text) return;
        m_lastAlign = m_state.align;
        EndParagraph();
        Put(U'\n');
        ++m_paragraph;
    }

    // A paragraph takes the alignment in force at its end; the last one, which may end with the
    // document's closing brace, the one in force at its last character.
    void EndParagraph() {
        if (m_lastAlign != ParagraphAlign::Left) m_out.alignments.push_back({m_paragraph, m_lastAlign});
        m_lastAlign = ParagraphAlign::Left;
    }

    std::string_view m_in;
    size_t m_pos = 0;
    State m_state;
    std::vector<State> m_stack;
    bool m_groupStart = false;
    int m_skip = 0;
    size_t m_paragraph = 0;
    ParagraphAlign m_lastAlign = ParagraphAlign::Left;
    std::map<int, std::string> m_fonts;
    int m_pendingFont = 0;
    std::string m_pendingName;
    std::vector<std::optional<Rgb>> m_colours;
    Rgb m_pendingColour;
    bool m_colourGiven = false;
    StyledText m_out;
};

}  // namespace

StyledText RtfToStyledText(std::string_view rtf) { return Reader(rtf).Run(); }

}  // namespace kt
