#include "ui/base/FileDialogs.h"

#include <QFileDialog>
#include <QStandardPaths>

namespace kt::ui {
namespace {

QString Run(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().constFirst();
}

}  // namespace

QString AskSaveFileName(QWidget* parent, const QString& filter, const QString& suffix, const QString& initialName) {
    QFileDialog dialog(parent, QString(), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), filter);
    dialog.setObjectName(QStringLiteral("saveFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(initialName);
    return Run(dialog);
}

QString AskOpenFileName(QWidget* parent, const QString& filter) {
    QFileDialog dialog(parent, QString(), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation), filter);
    dialog.setObjectName(QStringLiteral("openFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Run(dialog);
}

}  // namespace kt::ui
