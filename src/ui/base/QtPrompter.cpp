#include "ui/base/QtPrompter.h"

#include <QApplication>
#include <QMessageBox>

#include "ui/base/QtText.h"

namespace kt::ui {

void QtPrompter::Message(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), ToQ(text), QMessageBox::Ok, m_parent);
    box.exec();
}

bool QtPrompter::AskYesNo(const std::string& text) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), ToQ(text), QMessageBox::Yes | QMessageBox::No, m_parent);
    return box.exec() == QMessageBox::Yes;
}

bool QtPrompter::AskYesNoDefaultNo(const std::string& text) {
    QMessageBox box(QMessageBox::Warning, QApplication::applicationDisplayName(), ToQ(text), QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

kt::Answer QtPrompter::AskYesNoCancel(const std::string& text) {
    QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), ToQ(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return kt::Answer::Yes;
        case QMessageBox::No:
            return kt::Answer::No;
        default:
            return kt::Answer::Cancel;
    }
}

}  // namespace kt::ui
