#include "ui/about/ReaderDlg.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTextEdit>
#include <QTextFrame>
#include <QVBoxLayout>

#include "core/about/RtfText.h"
#include "core/base/AtomicFile.h"
#include "ui/base/QtText.h"
#include "ui/base/RichTextPainter.h"

namespace kt::ui {

CReaderDlg::CReaderDlg(kt::ReaderDocument document, const std::filesystem::path& path, QWidget* parent) : QDialog(parent) {
    const kt::ReaderStyle style = kt::ReaderStyleFor(document);
    setObjectName(QStringLiteral("readerDlg"));
    setWindowTitle(ToQ(style.title));
    resize(640, 560);
    m_text = new QTextEdit(this);
    m_text->setObjectName(QStringLiteral("text"));
    m_text->setReadOnly(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text, 1);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    std::string rtf;
    if (!path.empty()) kt::ReadFileBytes(path, rtf);
    kt::StyledText text = kt::RtfToStyledText(rtf);
    text.background = style.background;
    PaintStyledText(m_text, text);
    // The text keeps 20 pixels from the left and right edges.
    QTextFrameFormat frame = m_text->document()->rootFrame()->frameFormat();
    frame.setLeftMargin(20);
    frame.setRightMargin(20);
    m_text->document()->rootFrame()->setFrameFormat(frame);
    buttons->button(QDialogButtonBox::Ok)->setFocus();
}

}  // namespace kt::ui
