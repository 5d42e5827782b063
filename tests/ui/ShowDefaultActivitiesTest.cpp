#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "support/UiTestSupport.h"
#include "ui/activities/ShowDefaultActivities.h"

namespace kt::ui {
namespace {

// The menu command's own test opens the dialog over a renamed activity; here the layout, the
// alternating colours and the keyboard.
TEST(ShowDefaultActivitiesTest, RowsAlternateFitWithoutScrollingAndReturnCloses) {
    CShowDefaultActivities dialog(kt::ActivityTable::Defaults());
    QTableView* list = dialog.List();
    QAbstractItemModelTester tester(list->model(), QAbstractItemModelTester::FailureReportingMode::Warning);
    for (const auto& [row, foreground, background] :
         {std::tuple{0, QColor(0, 0, 128), QColor(220, 255, 220)}, {13, QColor(132, 0, 0), QColor(220, 220, 255)}}) {
        EXPECT_EQ(list->model()->index(row, 1).data(Qt::ForegroundRole).value<QColor>(), foreground) << row;
        EXPECT_EQ(list->model()->index(row, 0).data(Qt::BackgroundRole).value<QColor>(), background) << row;
    }
    QTimer::singleShot(50, &dialog, [&] {
        QHeaderView* header = list->horizontalHeader();
        const QFontMetrics metrics(list->font());
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            for (int column = 0; column < 2; ++column) {
                EXPECT_LT(metrics.horizontalAdvance(list->model()->index(row, column).data().toString()), header->sectionSize(column));
            }
        }
        EXPECT_EQ(header->sectionSize(1), list->viewport()->width() / 6);
        EXPECT_FALSE(list->verticalScrollBar()->isVisible());
        dialog.resize(dialog.width() + 120, dialog.height());
        QTest::qWait(20);
        EXPECT_EQ(header->sectionSize(0), list->viewport()->width() * 5 / 6);
        QTest::keyClick(&dialog, Qt::Key_Return);  // the default OK button
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
}

}  // namespace
}  // namespace kt::ui
