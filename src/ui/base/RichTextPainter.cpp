#include "ui/base/RichTextPainter.h"

#include <QTextBlock>
#include <QTextCursor>

#include "ui/base/QtText.h"
#include "ui/base/ShownColours.h"

namespace kt::ui {
namespace {

// QString positions of UTF-8 byte offsets: the UTF-16 length of the text before each. The spans
// come mostly in order, so the count goes on from the last offset asked for instead of starting
// over: a day of eighty events has some two hundred and fifty spans.
class Utf16Positions {
public:
    explicit Utf16Positions(const std::string& text) : m_text(text) {}
    int operator()(size_t byteOffset) {
        byteOffset = std::min(byteOffset, m_text.size());
        if (byteOffset < m_byte) m_byte = m_units = 0;
        for (; m_byte < byteOffset; ++m_byte) {
            const auto c = static_cast<unsigned char>(m_text[m_byte]);
            // A lead byte starts a character; one of four bytes is two UTF-16 units.
            if ((c & 0xC0) != 0x80) m_units += c >= 0xF0 ? 2 : 1;
        }
        return m_units;
    }

private:
    const std::string& m_text;
    size_t m_byte = 0;
    int m_units = 0;
};

void Paint(QTextEdit* pane, const kt::StyledText& styled) {
    QPalette p = pane->palette();
    // Setting the same palette again makes the pane start over; a refresh mostly keeps it.
    const QColor fill = ShownFill(ToQColor(styled.background));
    if (!p.isBrushSet(QPalette::Active, QPalette::Base) || p.color(QPalette::Base) != fill || !pane->autoFillBackground()) {
        p.setColor(QPalette::Base, fill);
        pane->setPalette(p);
        pane->setAutoFillBackground(true);
    }

    QTextDocument* doc = pane->document();
    // A pane is read-only: nothing to undo. The whole text and its styles go in as one edit, so
    // the pane lays its text out once instead of once per styled span.
    doc->setUndoRedoEnabled(false);
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    // Emptied inside the edit too: an empty pane in between would drop its scroll bar and lay a
    // long text out twice, once for each width.
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    cursor.setBlockFormat(QTextBlockFormat());
    QTextCharFormat base;
    base.setForeground(ShownText(ToQColor(styled.defaultColour)));
    base.setFontWeight(styled.defaultBold ? QFont::Bold : QFont::Normal);
    if (styled.defaultPointSize > 0) base.setFontPointSize(styled.defaultPointSize);
    cursor.insertText(ToQ(styled.text), base);

    Utf16Positions position(styled.text);
    for (const kt::TextSpan& span : styled.spans) {
        const int start = position(span.start);
        const int end = position(span.start + span.length);
        QTextCursor c(doc);
        c.setPosition(start);
        c.setPosition(end, QTextCursor::KeepAnchor);
        QTextCharFormat f;
        f.setForeground(ShownText(ToQColor(span.colour)));
        f.setFontWeight(span.bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(span.italic);
        f.setFontUnderline(span.underline);
        if (!span.face.empty()) f.setFontFamilies(QStringList{ToQ(span.face)});
        if (span.pointSize > 0) f.setFontPointSize(span.pointSize);
        if (!span.link.empty()) {
            // A text browser reports a click on it through anchorClicked with this name.
            f.setAnchor(true);
            f.setAnchorHref(ToQ(span.link));
        }
        c.mergeCharFormat(f);
    }
    for (const kt::ParagraphStyle& style : styled.alignments) {
        QTextBlock block = doc->findBlockByNumber(static_cast<int>(style.paragraph));
        if (!block.isValid()) continue;
        QTextCursor c(block);
        QTextBlockFormat f = block.blockFormat();
        f.setAlignment(style.align == kt::ParagraphAlign::Center  ? Qt::AlignHCenter
                       : style.align == kt::ParagraphAlign::Right ? Qt::AlignRight
                                                                  : Qt::AlignLeft);
        c.setBlockFormat(f);
    }
    cursor.endEditBlock();
    pane->moveCursor(QTextCursor::Start);
}

}  // namespace

void PaintStyledText(QTextEdit* pane, const kt::StyledText& styled) {
    // Painted again in the counterpart colours when the palette turns dark or light.
    FollowPalette(pane, "styled-text", [pane, styled] { Paint(pane, styled); });
}

}  // namespace kt::ui
