#include "ui/app/KTToolBar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>

#include "core/chart/GraphPeriod.h"
#include "ui/base/QtText.h"
#include "ui/widgets/ColorStatic.h"
#include "ui/widgets/MultiLineCheckBox.h"

namespace kt::ui {
namespace {

QFont LabelFont(const char* family, double points, bool italic) {
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(points);
    f.setBold(true);
    f.setItalic(italic);
    return f;
}

CColorStatic* MakeLabel(const char* text, const QFont& font, int width, QWidget* parent) {
    auto* label = new CColorStatic(ToQ(text), parent);
    label->setFont(font);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(width);
    label->setContentsMargins(6, 0, 6, 0);
    return label;
}

}  // namespace

CKTToolBar::CKTToolBar(QWidget* parent) : QToolBar(QStringLiteral("Standard"), parent) {
    setObjectName(QStringLiteral("ktToolBar"));
    setMovable(true);
    setIconSize(QSize(16, 15));
    // The fonts are a little larger than the classic 8 point so the captions stay readable on
    // today's screens; family and style are those of the original labels.
    const QFont arialBold = LabelFont("Arial", 9, false);
    const QFont timesBoldItalic = LabelFont("Times New Roman", 9, true);

    m_comboGraphPeriod = new QComboBox(this);
    m_comboGraphPeriod->setObjectName(QStringLiteral("graphPeriod"));
    for (const std::string& caption : kt::GraphPeriodCaptions()) m_comboGraphPeriod->addItem(ToQ(caption));
    m_comboGraphPeriod->setMinimumWidth(150);
    m_comboGraphPeriod->setMaxVisibleItems(9);

    m_labelGraphPeriod = MakeLabel("Graph Period: ", arialBold, 110, this);
    m_labelExerciseDate = MakeLabel("Exercise Date: ", arialBold, 110, this);

    m_datePicker = new QDateEdit(QDate::currentDate(), this);
    m_datePicker->setObjectName(QStringLiteral("exerciseDate"));
    m_datePicker->setCalendarPopup(true);
    m_datePicker->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    m_datePicker->setMinimumWidth(120);

    m_labelLastWeight = MakeLabel("Last Weight: ", timesBoldItalic, 130, this);
    m_editWeight = new QLineEdit(this);
    m_editWeight->setObjectName(QStringLiteral("weight"));
    m_editWeight->setFixedWidth(70);

    m_checkAddToLists =
        new CMultiLineCheckBox(QStringLiteral("Add new desriptions and locations to their respective combo list"), 260, this);
    m_checkAddToLists->setObjectName(QStringLiteral("addToLists"));
    m_checkAddToLists->setFont(timesBoldItalic);
    m_checkAutoFill = new CMultiLineCheckBox(QStringLiteral("Auto-fill desriptions and locations"), 150, this);
    m_checkAutoFill->setObjectName(QStringLiteral("autoFill"));
    m_checkAutoFill->setFont(timesBoldItalic);

    m_firstControl = addSeparator();
    addWidget(m_labelGraphPeriod);
    addWidget(m_comboGraphPeriod);
    addSeparator();
    addWidget(m_labelExerciseDate);
    addWidget(m_datePicker);
    addSeparator();
    addWidget(m_labelLastWeight);
    addWidget(m_editWeight);
    addSeparator();
    addWidget(m_checkAddToLists);
    addSeparator();
    addWidget(m_checkAutoFill);
    addSeparator();
}

void CKTToolBar::AddLeftAction(QAction* action) { insertAction(m_firstControl, action); }

void CKTToolBar::AddRightAction(QAction* action) { addAction(action); }

}  // namespace kt::ui
