#include "ui/app/KTToolBar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QResizeEvent>
#include <algorithm>

#include "core/app/Texts.h"
#include "core/chart/GraphPeriod.h"
#include "ui/base/QtText.h"
#include "ui/widgets/ColorStatic.h"
#include "ui/widgets/MultiLineCheckBox.h"

namespace kt::ui {
namespace {

// Wrap widths of the two option boxes: as wide as they like, and as narrow as they may get.
constexpr int kAddToListsWidth = 180;
constexpr int kAutoFillWidth = 125;
constexpr int kAddToListsMinWidth = 120;
constexpr int kAutoFillMinWidth = 90;

CColorStatic* MakeLabel(const char* text, const QFont& font, const char* name, QWidget* parent) {
    auto* label = new CColorStatic(ToQ(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setContentsMargins(4, 0, 4, 0);
    return label;
}

}  // namespace

CKTToolBar::CKTToolBar(QWidget* parent) : QToolBar(ToQ(kt::text::kToolbarTitle), parent) {
    namespace tx = kt::text;
    setObjectName(QStringLiteral("ktToolBar"));
    setMovable(true);
    // Square, as the style's icons are drawn: a 16x15 box resamples them into a blur at every scale.
    setIconSize(QSize(16, 16));
    const QFont labelFont = ToQFont(tx::kToolbarLabelFont);
    const QFont weightFont = ToQFont(tx::kToolbarWeightFont);
    const QFont optionFont = ToQFont(tx::kToolbarOptionFont);

    m_comboGraphPeriod = new QComboBox(this);
    m_comboGraphPeriod->setObjectName(QStringLiteral("graphPeriod"));
    for (const std::string& caption : kt::GraphPeriodCaptions()) m_comboGraphPeriod->addItem(ToQ(caption));
    m_comboGraphPeriod->setMinimumWidth(150);
    m_comboGraphPeriod->setMaxVisibleItems(kt::kGraphPeriodCount);

    m_labelGraphPeriod = MakeLabel(tx::kGraphPeriodLabel, labelFont, "graphPeriodLabel", this);
    m_labelExerciseDate = MakeLabel(tx::kExerciseDateLabel, labelFont, "exerciseDateLabel", this);

    m_datePicker = new QDateEdit(QDate::currentDate(), this);
    m_datePicker->setObjectName(QStringLiteral("exerciseDate"));
    m_datePicker->setCalendarPopup(true);
    m_datePicker->setDisplayFormat(ToQ(tx::kDatePickerFormat));
    m_datePicker->setMinimumWidth(100);

    m_labelLastWeight = MakeLabel(tx::kLastWeightLabel, weightFont, "weightLabel", this);
    // Wide enough for every text the label shows, so the controls right of it never move.
    m_labelLastWeight->setMinimumWidth(m_labelLastWeight->fontMetrics().horizontalAdvance(ToQ(tx::kLastWeightUnitLabel)) + 12);
    m_editWeight = new QLineEdit(this);
    m_editWeight->setObjectName(QStringLiteral("weight"));
    m_editWeight->setFixedWidth(60);

    m_checkAddToLists = new CMultiLineCheckBox(ToQ(tx::kAddToListsCaption), kAddToListsWidth, this);
    m_checkAddToLists->setObjectName(QStringLiteral("addToLists"));
    m_checkAddToLists->setFont(optionFont);
    m_checkAutoFill = new CMultiLineCheckBox(ToQ(tx::kAutoFillCaption), kAutoFillWidth, this);
    m_checkAutoFill->setObjectName(QStringLiteral("autoFill"));
    m_checkAutoFill->setFont(optionFont);

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

    connect(m_comboGraphPeriod, &QComboBox::currentIndexChanged, this, &CKTToolBar::graphPeriodChosen);
    connect(m_datePicker, &QDateEdit::dateChanged, this, [this](const QDate& d) { emit datePicked(d.year(), d.month(), d.day()); });
    connect(m_editWeight, &QLineEdit::textChanged, this, &CKTToolBar::weightEdited);
    connect(m_checkAddToLists, &QCheckBox::clicked, this, &CKTToolBar::addToListsClicked);
    connect(m_checkAutoFill, &QCheckBox::clicked, this, &CKTToolBar::autoFillClicked);
}

void CKTToolBar::AddLeftAction(QAction* action) { insertAction(m_firstControl, action); }

void CKTToolBar::AddRightAction(QAction* action) {
    if (!m_bRightStarted) addSeparator();
    m_bRightStarted = true;
    addAction(action);
}

void CKTToolBar::resizeEvent(QResizeEvent* event) {
    QToolBar::resizeEvent(event);
    if (orientation() != Qt::Horizontal) return;
    // What the toolbar would need with both boxes at their own width, and how much is missing.
    const int current = m_checkAddToLists->WrapWidth() + m_checkAutoFill->WrapWidth();
    const int missing = sizeHint().width() - current + kAddToListsWidth + kAutoFillWidth - width();
    const int give = std::clamp(missing, 0, kAddToListsWidth + kAutoFillWidth - kAddToListsMinWidth - kAutoFillMinWidth);
    const int fromFirst = std::min(
        give * (kAddToListsWidth - kAddToListsMinWidth) / (kAddToListsWidth + kAutoFillWidth - kAddToListsMinWidth - kAutoFillMinWidth),
        kAddToListsWidth - kAddToListsMinWidth);
    m_checkAddToLists->SetWrapWidth(kAddToListsWidth - fromFirst);
    m_checkAutoFill->SetWrapWidth(kAutoFillWidth - (give - fromFirst));
}

void CKTToolBar::SetGraphPeriod(int period) {
    const QSignalBlocker block(m_comboGraphPeriod);
    m_comboGraphPeriod->setCurrentIndex(period >= 0 && period < m_comboGraphPeriod->count() ? period : -1);
}

void CKTToolBar::SetWeightField(const QString& text) {
    // A line edit reports only real changes; the program's fill is a notification all the same.
    if (m_editWeight->text() == text) {
        emit weightEdited(text);
    } else {
        m_editWeight->setText(text);
    }
}

void CKTToolBar::SetWeightLabel(const QString& text) { m_labelLastWeight->setText(text); }

void CKTToolBar::RefreshWeightField(const QString& field, const QString& label) {
    SetWeightLabel(label);
    SetWeightField(field);
    SetWeightLabel(label);
}

void CKTToolBar::SetToolbarColors(bool addToLists, bool autoFill) {
    namespace tx = kt::text;
    m_labelGraphPeriod->SetColors(ToQColor(tx::kGraphPeriodColours.text), ToQColor(tx::kGraphPeriodColours.background));
    m_labelExerciseDate->SetColors(ToQColor(tx::kExerciseDateColours.text), ToQColor(tx::kExerciseDateColours.background));
    m_labelLastWeight->SetColors(ToQColor(tx::kLastWeightColours.text), ToQColor(tx::kLastWeightColours.background));
    SetAddToLists(addToLists);
    SetAutoFill(autoFill);
}

void CKTToolBar::SetAddToLists(bool on) { m_checkAddToLists->setChecked(on); }

void CKTToolBar::SetAutoFill(bool on) { m_checkAutoFill->setChecked(on); }

void CKTToolBar::SetControlsEnabled(bool enabled) {
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_comboGraphPeriod, m_datePicker, m_editWeight, m_checkAddToLists, m_checkAutoFill})
        control->setEnabled(enabled);
}

}  // namespace kt::ui
