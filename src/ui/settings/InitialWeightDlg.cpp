#include "ui/settings/InitialWeightDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/base/Units.h"
#include "core/settings/InitialWeight.h"
#include "core/settings/Texts.h"
#include "ui/base/QtText.h"

namespace kt::ui {

CInitialWeightDlg::CInitialWeightDlg(kt::Prompter& prompter, QWidget* parent) : QDialog(parent), m_prompter(prompter) {
    namespace tx = kt::settings_text;
    setObjectName(QStringLiteral("initialWeightDlg"));
    setWindowTitle(ToQ(tx::kInitialWeightTitle));
    auto* label = new QLabel(ToQ(tx::kInitialWeightPrompt), this);
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("weight"));
    // Fixed, so that a small screen (or a large scale) squeezes the dialog's stretch, not the field.
    m_edit->setFixedWidth(100);
    label->setBuddy(m_edit);
    m_lbs = new QRadioButton(ToQ(kt::kPoundsUnit), this);
    m_kg = new QRadioButton(ToQ(kt::kKilogramsUnit), this);
    m_kg->setChecked(true);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_edit);
    row->addWidget(m_lbs);
    row->addWidget(m_kg);
    row->addStretch(1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CInitialWeightDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CInitialWeightDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    m_edit->setFocus();
}

void CInitialWeightDlg::accept() {
    const std::optional<double> weight = kt::AcceptInitialWeight(FromQ(m_edit->text()), m_prompter);
    if (!weight) {
        m_edit->setFocus();
        m_edit->selectAll();
        return;
    }
    m_dWeight = *weight;
    m_bMetric = m_kg->isChecked();
    QDialog::accept();
}

}  // namespace kt::ui
