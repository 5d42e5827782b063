#include "ui/settings/PreferencesDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "core/settings/Texts.h"
#include "ui/base/QtText.h"
#include "ui/widgets/MultiLineCheckBox.h"
#include "ui/widgets/UpDownCtrl.h"
#include "ui/widgets/XGroupBox.h"

namespace kt::ui {
namespace {

namespace tx = kt::settings_text;

constexpr int kContentWidth = 400;

CXGroupBox* MakeGroup(const tx::GroupStyle& style, QWidget* parent) {
    auto* group = new CXGroupBox(ToQ(style.caption), parent);
    group->SetColors(ToQColor(style.captionColour), ToQColor(style.frameColour));
    return group;
}

// A note in small grey type under the controls it is about.
QLabel* MakeNote(const char* text, QWidget* parent) {
    auto* note = new QLabel(ToQ(text), parent);
    note->setWordWrap(true);
    QFont f = note->font();
    f.setItalic(true);
    f.setPointSizeF(f.pointSizeF() * 0.9);
    note->setFont(f);
    note->setForegroundRole(QPalette::PlaceholderText);
    return note;
}

QLineEdit* MakeNumberEdit(QWidget* parent, int width) {
    auto* edit = new QLineEdit(parent);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), edit));
    edit->setFixedWidth(width);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

}  // namespace

CPreferencesDlg::CPreferencesDlg(kt::PreferencesValues values, QWidget* parent) : QDialog(parent), m_form(std::move(values)) {
    setObjectName(QStringLiteral("preferencesDlg"));
    setWindowTitle(ToQ(tx::kPreferencesTitle));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeWeightGroup());
    layout->addWidget(MakePeriodGroup(1, m_graph, m_graphGroup, tx::kNextStartGraph));
    layout->addWidget(MakePeriodGroup(2, m_averaging, m_averagingGroup, nullptr));
    layout->addWidget(MakeOtherGroup());
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CPreferencesDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPreferencesDlg::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The opening state, from the form.
    const kt::PreferencesValues& v = m_form.Values();
    m_graph[static_cast<size_t>(m_form.GraphRadio())]->setChecked(true);
    m_averaging[static_cast<size_t>(m_form.AveragingRadio())]->setChecked(true);
    (v.metric ? m_kilograms : m_pounds)->setChecked(true);
    CheckBox(Box::AddToLists)->setChecked(v.addToLists);
    CheckBox(Box::AutoUpdate)->setChecked(v.autoUpdate);
    CheckBox(Box::MonitorWeight)->setChecked(v.monitorWeight);
    CheckBox(Box::UseLastWeight)->setChecked(v.useLastWeight);
    CheckBox(Box::AutoFill)->setChecked(v.autoFill);
    m_hours->setText(ToQ(m_form.HoursText()));
    ShowArchiveNumbers();
    CheckBox(Box::AutoArchive)->setChecked(m_form.ArchiveTicked());

    // While open: every change goes through the form.
    connect(m_hours, &QLineEdit::textChanged, this, [this](const QString& t) { m_form.OnHoursTextChanged(FromQ(t)); });
    connect(m_month, &QLineEdit::textChanged, this, [this](const QString& t) { m_form.OnMonthTextChanged(FromQ(t)); });
    connect(m_day, &QLineEdit::textChanged, this, [this](const QString& t) { m_form.OnDayTextChanged(FromQ(t)); });
    connect(CheckBox(Box::AutoFill), &QCheckBox::clicked, this, [this](bool on) { m_form.OnAutoFillClicked(on); });
    connect(CheckBox(Box::AutoArchive), &QCheckBox::clicked, this, [this](bool on) {
        m_form.OnArchiveClicked(on);
        ShowArchiveNumbers();
    });
}

QCheckBox* CPreferencesDlg::MakeCheckBox(Box b, const char* caption, const char* tip, int width) {
    QCheckBox* box = width > 0 ? new CMultiLineCheckBox(ToQ(caption), width, this) : new QCheckBox(ToQ(caption), this);
    // Only the boxes with a tip of their own show one (the wrapping box would show its caption).
    box->setToolTip(tip ? ToQ(tip) : QString());
    m_boxes[static_cast<size_t>(b)] = box;
    return box;
}

QWidget* CPreferencesDlg::MakeWeightGroup() {
    CXGroupBox* group = m_groups[0] = MakeGroup(tx::kWeightGroup, this);
    m_pounds = new QRadioButton(ToQ(tx::kPounds), group);
    m_kilograms = new QRadioButton(ToQ(tx::kKilograms), group);
    auto* unit = new QButtonGroup(group);
    unit->addButton(m_pounds);
    unit->addButton(m_kilograms);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(m_pounds);
    layout->addWidget(m_kilograms);
    layout->addWidget(MakeCheckBox(Box::MonitorWeight, tx::kMonitorWeight, nullptr, 0));
    layout->addWidget(MakeCheckBox(Box::UseLastWeight, tx::kUseLastWeight, tx::kTipUseLastWeight, 0));
    layout->addWidget(MakeNote(tx::kNextStartWeight, group));
    return group;
}

QWidget* CPreferencesDlg::MakePeriodGroup(int index, std::array<QRadioButton*, 9>& buttons, QButtonGroup*& group, const char* note) {
    CXGroupBox* box = m_groups[static_cast<size_t>(index)] = MakeGroup(index == 1 ? tx::kGraphGroup : tx::kAveragingGroup, this);
    group = new QButtonGroup(box);
    auto* grid = new QGridLayout;
    // Three columns, read row by row in code order.
    for (int code = 0; code < 9; ++code) {
        auto* button = new QRadioButton(ToQ(tx::kPeriodButtons[static_cast<size_t>(code)]), box);
        buttons[static_cast<size_t>(code)] = button;
        group->addButton(button, code);
        grid->addWidget(button, code / 3, code % 3);
    }
    auto* layout = new QVBoxLayout(box);
    layout->addLayout(grid);
    if (note) layout->addWidget(MakeNote(note, box));
    return box;
}

QWidget* CPreferencesDlg::MakeOtherGroup() {
    CXGroupBox* group = m_groups[3] = MakeGroup(tx::kOtherGroup, this);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(MakeCheckBox(Box::AddToLists, tx::kAddToLists, tx::kTipAddToLists, kContentWidth));
    layout->addWidget(MakeCheckBox(Box::AutoFill, tx::kAutoFill, tx::kTipAutoFill, kContentWidth));

    auto* hoursRow = new QHBoxLayout;
    auto* hoursLabel = new QLabel(ToQ(tx::kHoursThreshold), group);
    hoursLabel->setWordWrap(true);
    m_hours = new QLineEdit(group);
    m_hours->setObjectName(QStringLiteral("hoursThreshold"));
    m_hours->setToolTip(ToQ(tx::kTipHoursThreshold));
    m_hours->setFixedWidth(70);
    m_hours->setAlignment(Qt::AlignRight);
    hoursLabel->setBuddy(m_hours);
    hoursRow->addWidget(hoursLabel, 1);
    hoursRow->addWidget(m_hours);
    layout->addLayout(hoursRow);

    auto* archiveRow = new QHBoxLayout;
    archiveRow->addWidget(MakeCheckBox(Box::AutoArchive, tx::kAutoArchive, tx::kTipAutoArchive, 0));
    archiveRow->addStretch(1);
    m_month = MakeNumberEdit(group, 40);
    m_month->setObjectName(QStringLiteral("archiveMonth"));
    m_month->setToolTip(ToQ(tx::kTipMonth));
    m_day = MakeNumberEdit(group, 40);
    m_day->setObjectName(QStringLiteral("archiveDay"));
    m_day->setToolTip(ToQ(tx::kTipDay));
    m_monthUpDown = new CUpDownCtrl(m_month, 1, 12, group);
    m_dayUpDown = new CUpDownCtrl(m_day, 1, 31, group);
    auto* monthLabel = new QLabel(ToQ(tx::kMonth), group);
    monthLabel->setBuddy(m_month);
    auto* dayLabel = new QLabel(ToQ(tx::kDay), group);
    dayLabel->setBuddy(m_day);
    archiveRow->addWidget(monthLabel);
    archiveRow->addWidget(m_month);
    archiveRow->addWidget(m_monthUpDown);
    archiveRow->addSpacing(8);
    archiveRow->addWidget(dayLabel);
    archiveRow->addWidget(m_day);
    archiveRow->addWidget(m_dayUpDown);
    archiveRow->setSpacing(3);
    layout->addLayout(archiveRow);
    layout->addWidget(MakeNote(tx::kNextStartArchive, group));
    layout->addWidget(MakeCheckBox(Box::AutoUpdate, tx::kAutoUpdate, nullptr, kContentWidth));
    return group;
}

void CPreferencesDlg::ShowArchiveNumbers() {
    m_month->setText(ToQ(m_form.MonthText()));
    m_day->setText(ToQ(m_form.DayText()));
}

void CPreferencesDlg::accept() {
    auto code = [](QButtonGroup* group) { return group->checkedId() >= 0 ? std::optional<int>(group->checkedId()) : std::nullopt; };
    m_form.Accept(code(m_averagingGroup), code(m_graphGroup), m_kilograms->isChecked(), CheckBox(Box::AddToLists)->isChecked(),
                  CheckBox(Box::AutoUpdate)->isChecked(), CheckBox(Box::MonitorWeight)->isChecked(),
                  CheckBox(Box::UseLastWeight)->isChecked());
    QDialog::accept();
}

}  // namespace kt::ui
