#pragma once
// Shows the licence or the readme, rich text read from an RTF file, on its own background.
// A missing file shows an empty reader.

#include <QDialog>
#include <filesystem>

#include "core/about/About.h"

class QTextEdit;

namespace kt::ui {

class CReaderDlg : public QDialog {
    Q_OBJECT
public:
    // `path` may be empty (no such document).
    CReaderDlg(kt::ReaderDocument document, const std::filesystem::path& path, QWidget* parent = nullptr);
    QTextEdit* Text() const { return m_text; }

private:
    QTextEdit* m_text = nullptr;
};

}  // namespace kt::ui
