// The average details as a user reaches them: the Details button under the averages and the
// "per day" link inside them; Esc or "Close (Esc)" leaves everything as it was.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>

#include "core/base/Format.h"
#include "ui/app/MainFrame.h"
#include "ui/stats/AverageDetailsModel.h"
#include "ui/stats/AvgDetailsDlg.h"
#include "ui/support/UiTestSupport.h"
#include "ui/views/DataView.h"
#include "ui/widgets/OwnerDrawButton.h"

namespace kt {
namespace {

using Dlg = ui::CAvgDetailsDlg;

CEventRecord Rec(int day, double minutes, double calories) {
    return CEventRecord(LocalMidnight(2016, 1, day), "Golf, general", Format("Round %d", day), minutes, "Club", calories, 80, 1, "");
}

// Each row as "date colour/background", the colours as names.
std::string Rows(QTableView* list) {
    std::string out;
    const QAbstractItemModel* m = list->model();
    for (int r = 0; r < m->rowCount(); ++r) {
        const QModelIndex i = m->index(r, 0);
        out += test::Text(i.data().toString() + QLatin1Char(' ') + i.data(Qt::ForegroundRole).value<QColor>().name() + QLatin1Char('/') +
                          i.data(Qt::BackgroundRole).value<QColor>().name()) +
               "|";
    }
    return out;
}

struct Journal {
    test::UiHome home;
    test::ScopedClock now{MakeLocalTime(2016, 1, 13, 12, 0, 0)};
    test::App frame;
    explicit Journal(const std::vector<CEventRecord>& records) {
        if (!records.empty()) test::WriteDatabase(home.DataFolder(), records);
        frame = test::StartMainFrame("80");
        if (frame && !test::ShowActive(frame.get())) frame = test::App();
    }
    // Chooses an averaging period with the keyboard, as a user does in the combo.
    void ChoosePeriod(int period) {
        QComboBox* combo = frame->DataView()->AveragingCombo();
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Home);
        for (int i = 0; i < period; ++i) QTest::keyClick(combo, Qt::Key_Down);
    }
};

TEST(AvgDetailsDlg, DetailsButtonListsTheWeeksRecordsNewestFirstAndEscChangesNothing) {
    Journal j({Rec(2, 20, 100), Rec(10, 30, 150), Rec(11, 45, 0), Rec(12, 60, 300)});
    ASSERT_TRUE(j.frame);
    j.ChoosePeriod(1);
    ASSERT_EQ(j.frame->DataView()->State().averagingPeriod, 1);
    bool seen = false;
    test::OnNextDialog<Dlg>([&](Dlg* dlg) {
        seen = true;
        EXPECT_EQ(test::Text(dlg->windowTitle()), "Average Details");
        EXPECT_EQ(test::Text(dlg->CloseButton()->text()), "Close (Esc)");
        EXPECT_EQ(Rows(dlg->List()), "Tue Jan 12, 2016 #008000/#f5f5ff|Mon Jan 11, 2016 #0000ff/#dcffdc|Sun Jan 10, 2016 #dc0000/#dcffdc|");
        std::string row;
        const QAbstractItemModel* m = dlg->List()->model();
        for (int c = 0; c < m->columnCount(); ++c) {
            row += test::Text(m->headerData(c, Qt::Horizontal).toString() + QLatin1Char('=') + m->index(1, c).data().toString()) + "|";
            EXPECT_EQ(m->index(1, c).data(Qt::ToolTipRole), m->index(1, c).data()) << c;
        }
        EXPECT_EQ(row, "Date=Mon Jan 11, 2016|Activity=Golf, general|Description=Round 11|Minutes=45.00|Place=Club|Calories=0.0|Notes=|");
        const QFont font = m->index(0, 3).data(Qt::FontRole).value<QFont>();
        EXPECT_EQ(test::Text(font.family()) + Format(" %g %d", font.pointSizeF(), font.bold()), "Arial 8 1");
        EXPECT_EQ(test::Text(dlg->SummaryPane()->toPlainText()),
                  "Summary: 3 exercise events activites for the past seven days, beginning on Tue Jan 05, 2016, resulting in an average "
                  "time spent exercising of 19.3 minutes per day (135.0 min/7 days) and an average number of calories burned per day of "
                  "102.8 cal (719.9 cal/7 days)");
        // The columns share the list's width as the widths rule says.
        const int width = dlg->List()->viewport()->width();
        EXPECT_EQ(dlg->List()->columnWidth(0), width / 7);
        EXPECT_EQ(dlg->List()->columnWidth(4), 5 * width / 28);
        QTest::keyClick(dlg->List(), Qt::Key_Escape);
    });
    QTest::mouseClick(j.frame->DataView()->DetailsButton(), Qt::LeftButton);
    EXPECT_TRUE(seen);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(j.frame.Doc().Records().size(), 4u);
    EXPECT_FALSE(j.frame.Doc().IsChanged());
    EXPECT_EQ(j.frame->DataView()->State().averagingPeriod, 1);
}

TEST(AvgDetailsDlg, PerDayLinkOpensTheWholeJournalOldestFirst) {
    Journal j({Rec(2, 20, 100), Rec(10, 30, 150), Rec(12, 60, 300)});
    ASSERT_TRUE(j.frame);
    j.ChoosePeriod(8);
    QTextBrowser* pane = j.frame->DataView()->AveragesPane();
    QTextCursor link = pane->document()->find(QStringLiteral(") per day"));
    ASSERT_FALSE(link.isNull());
    link.setPosition(link.selectionEnd() - 3);
    ASSERT_EQ(pane->anchorAt(pane->cursorRect(link).center()), QStringLiteral("details"));
    std::string rows;
    test::OnNextDialog<Dlg>([&](Dlg* dlg) {
        rows = Rows(dlg->List());
        QTest::mouseClick(dlg->CloseButton(), Qt::LeftButton);
    });
    QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, pane->cursorRect(link).center());
    EXPECT_EQ(rows, "Sat Jan 02, 2016 #008000/#f5f5ff|Sun Jan 10, 2016 #0000ff/#dcffdc|Tue Jan 12, 2016 #dc0000/#dcffdc|");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(AvgDetailsDlg, ModelOverAHundredThousandRecordsPassesTheQtModelChecks) {
    CKT2Doc doc;
    std::vector<CEventRecord> records(100000, Rec(3, 10, 1));
    records.back().m_dDuration = 99;
    doc.SetRecords(std::move(records));
    const auto details = CollectAverageDetails(doc, 1);
    ASSERT_TRUE(details);
    ui::CAverageDetailsModel model(doc, *details);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(model.rowCount(), 100000);
    EXPECT_EQ(test::Text(model.index(0, 3).data().toString() + QLatin1Char(' ') + model.index(99999, 3).data().toString()), "99.00 10.00");
    EXPECT_FALSE(model.index(0, 7).isValid());
}

TEST(AvgDetailsDlg, EmptyJournalOpensNothing) {
    Journal j({});
    ASSERT_TRUE(j.frame);
    bool opened = false;
    const auto watcher = test::OnNextModal([&](QWidget* modal) {
        opened = true;
        modal->close();
    });
    QTest::mouseClick(j.frame->DataView()->DetailsButton(), Qt::LeftButton);
    QTest::qWait(100);
    test::CancelModalWatcher(watcher);
    EXPECT_FALSE(opened);
}

}  // namespace
}  // namespace kt
