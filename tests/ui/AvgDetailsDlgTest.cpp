// The average details as a user reaches them: the Details button under the averages and the
// "per day" link inside them; Esc or "Close (Esc)" leaves everything as it was.
#include <QAbstractItemModelTester>

#include "ui/Scenario.h"
#include "ui/stats/AverageDetailsModel.h"
#include "ui/stats/AvgDetailsDlg.h"

namespace kt {
namespace {

using Dlg = ui::CAvgDetailsDlg;

CEventRecord Rec(int day, double minutes, double calories) {
    return CEventRecord(LocalMidnight(2016, 1, day), "Golf, general", Format("Round %d", day), minutes, "Club", calories, 80, 1, "");
}

// Each row as "date colour/background".
std::string Rows(QTableView* list) {
    std::string out;
    for (int r = 0; r < list->model()->rowCount(); ++r) {
        const QModelIndex i = list->model()->index(r, 0);
        out += test::Text(i.data().toString() + QLatin1Char(' ') + i.data(Qt::ForegroundRole).value<QColor>().name() + QLatin1Char('/') +
                          i.data(Qt::BackgroundRole).value<QColor>().name()) +
               "|";
    }
    return out;
}

// Opens the details with `open` and returns what the list showed, closed with `close`.
template <typename Open, typename Close>
std::string Details(Open open, Close close, std::string* summary = nullptr) {
    std::string rows;
    test::OnNextDialog<Dlg>([&](Dlg* dlg) {
        rows = Rows(dlg->List());
        // The columns share the dialog's width: each cell's tool tip shows its whole text.
        const QAbstractItemModel* m = dlg->List()->model();
        for (int c = 0; c < m->columnCount(); ++c) EXPECT_EQ(m->index(0, c).data(Qt::ToolTipRole), m->index(0, c).data()) << c;
        if (summary) *summary = test::Text(dlg->SummaryPane()->toPlainText());
        close(dlg);
    });
    open();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    return rows;
}

TEST(AvgDetailsDlg, DetailsButtonAndPerDayLinkListTheAveragedRecordsAndChangeNothing) {
    test::Program p;
    ASSERT_TRUE(p.Start({Rec(2, 20, 100), Rec(10, 30, 150), Rec(12, 60, 300)}));
    ui::CDataView* view = p.View();
    QComboBox* combo = view->AveragingCombo();
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Home);
    QTest::keyClick(combo, Qt::Key_Down);  // the last 7 days: newest first
    std::string summary;
    EXPECT_EQ(Details([&] { QTest::mouseClick(view->DetailsButton(), Qt::LeftButton); },
                      [](Dlg* dlg) { QTest::keyClick(dlg->List(), Qt::Key_Escape); }, &summary),
              "Tue Jan 12, 2016 #008000/#f5f5ff|Sun Jan 10, 2016 #0000ff/#dcffdc|");
    EXPECT_EQ(summary.rfind("Summary: 2 exercise events activites for the past seven days, beginning on Tue Jan 05, 2016", 0), 0u)
        << summary;

    for (int i = 0; i < 7; ++i) QTest::keyClick(combo, Qt::Key_Down);  // from the beginning: oldest first
    QTextBrowser* pane = view->AveragesPane();
    QTextCursor link = pane->document()->find(QStringLiteral(") per day"));
    ASSERT_FALSE(link.isNull());
    link.setPosition(link.selectionEnd() - 3);
    EXPECT_EQ(Details([&] { QTest::mouseClick(pane->viewport(), Qt::LeftButton, {}, pane->cursorRect(link).center()); },
                      [](Dlg* dlg) { QTest::mouseClick(dlg->CloseButton(), Qt::LeftButton); }),
              "Sat Jan 02, 2016 #008000/#f5f5ff|Sun Jan 10, 2016 #0000ff/#dcffdc|Tue Jan 12, 2016 #dc0000/#dcffdc|");
    EXPECT_FALSE(p.frame.Doc().IsChanged());
    EXPECT_EQ(view->State().averagingPeriod, 8);
}

TEST(AvgDetailsDlg, EmptyJournalOpensNothingAndTheModelHoldsAHundredThousandRows) {
    test::Program p;
    ASSERT_TRUE(p.Start());
    bool opened = false;
    const auto watcher = test::OnNextModal([&](QWidget* modal) { opened = true, modal->close(); });
    QTest::mouseClick(p.View()->DetailsButton(), Qt::LeftButton);
    QTest::qWait(100);
    test::CancelModalWatcher(watcher);
    EXPECT_FALSE(opened);

    CKT2Doc doc;
    std::vector<CEventRecord> records(100000, Rec(3, 10, 1));
    records.back().m_dDuration = 99;
    doc.SetRecords(std::move(records));
    ui::CAverageDetailsModel model(doc, CollectAverageDetails(doc, 1).value());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(test::Text(model.index(0, 3).data().toString() + QLatin1Char(' ') + model.index(99999, 3).data().toString()), "99.00 10.00");
}

}  // namespace
}  // namespace kt
