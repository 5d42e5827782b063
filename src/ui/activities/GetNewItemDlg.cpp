#include "ui/activities/GetNewItemDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/activities/Texts.h"
#include "ui/base/QtText.h"

namespace kt::ui {

CGetNewItemDlg::CGetNewItemDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("getNewItemDlg"));
    setWindowTitle(QString());
    auto* label = new QLabel(ToQ(kt::activities_text::kNewItemPrompt), this);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("newItem"));
    m_edit->setMinimumWidth(320);
    label->setBuddy(m_edit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(ToQ(kt::activities_text::kOk));
    buttons->button(QDialogButtonBox::Cancel)->setText(ToQ(kt::activities_text::kCancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &CGetNewItemDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CGetNewItemDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_edit);
    layout->addWidget(buttons);
    m_edit->setFocus();
}

void CGetNewItemDlg::accept() {
    m_strItem = m_edit->text();
    QDialog::accept();
}

}  // namespace kt::ui
