#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "support/UiTestSupport.h"
#include "ui/activities/ShowDefaultActivities.h"
#include "ui/base/QtText.h"

namespace kt::ui {
namespace {

QString At(QTableView* list, int row, int column, int role = Qt::DisplayRole) {
    return list->model()->index(row, column).data(role).toString();
}

TEST(ShowDefaultActivitiesTest, ListsTheFourteenDefaultsAsTheTableHoldsThemNowInAlternatingColours) {
    kt::ActivityTable table;
    table.SetActivity(248, "Butterfly <fast>", 11.25);
    CShowDefaultActivities dialog(table);
    QTableView* list = dialog.List();
    QAbstractItemModelTester tester(list->model(), QAbstractItemModelTester::FailureReportingMode::Warning);

    EXPECT_EQ(dialog.windowTitle(), ToQ("Default Activities"));
    EXPECT_EQ(dialog.Title()->text(), ToQ("Default Activity Types"));
    EXPECT_EQ(dialog.Title()->font().pointSize(), 18);
    EXPECT_TRUE(dialog.Title()->font().bold());
    EXPECT_EQ(dialog.Title()->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(list->model()->headerData(0, Qt::Horizontal).toString() + QStringLiteral("|") +
                  list->model()->headerData(1, Qt::Horizontal).toString(),
              ToQ("Activity Description|METS"));

    ASSERT_EQ(list->model()->rowCount(), 14);
    ASSERT_EQ(list->model()->columnCount(), 2);
    const std::vector<uint16_t> defaults = kt::DefaultSelectedActivities();
    for (int row = 0; row < 14; ++row) {
        EXPECT_EQ(At(list, row, 0), ToQ(table.At(defaults[static_cast<size_t>(row)]).name)) << row;
        const bool even = row % 2 == 0;
        for (int column = 0; column < 2; ++column) {
            const QModelIndex cell = list->model()->index(row, column);
            EXPECT_EQ(cell.data(Qt::ForegroundRole).value<QColor>(), even ? QColor(0, 0, 128) : QColor(132, 0, 0)) << row;
            EXPECT_EQ(cell.data(Qt::BackgroundRole).value<QColor>(), even ? QColor(220, 255, 220) : QColor(220, 220, 255)) << row;
        }
    }
    EXPECT_EQ(At(list, 0, 1), ToQ("6.492"));
    EXPECT_EQ(At(list, 11, 0) + QStringLiteral("|") + At(list, 11, 1), ToQ("Butterfly <fast>|11.250"));  // the renamed entry
    EXPECT_EQ(At(list, 13, 0) + QStringLiteral("|") + At(list, 13, 1), ToQ("Weeding, cultivating garden|4.499"));
}

TEST(ShowDefaultActivitiesTest, ColumnsShareTheWidthAndNothingIsClipped) {
    CShowDefaultActivities dialog(kt::ActivityTable::Defaults());
    dialog.show();
    QTest::qWait(20);
    QTableView* list = dialog.List();
    const int width = list->viewport()->width();
    EXPECT_EQ(list->horizontalHeader()->sectionSize(0), width * 5 / 6);
    EXPECT_EQ(list->horizontalHeader()->sectionSize(1), width / 6);
    const QFontMetrics metrics(list->font());
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        EXPECT_LT(metrics.horizontalAdvance(At(list, row, 0)), list->horizontalHeader()->sectionSize(0)) << row;
        EXPECT_LT(metrics.horizontalAdvance(At(list, row, 1)), list->horizontalHeader()->sectionSize(1)) << row;
    }
    // Every row is visible without scrolling.
    const QRect last = list->visualRect(list->model()->index(13, 0));
    EXPECT_LE(last.bottom(), list->viewport()->height());
    EXPECT_FALSE(list->verticalScrollBar()->isVisible());

    dialog.resize(dialog.width() + 120, dialog.height());
    QTest::qWait(20);
    EXPECT_EQ(list->horizontalHeader()->sectionSize(0), list->viewport()->width() * 5 / 6);
}

TEST(ShowDefaultActivitiesTest, OkClosesTheDialog) {
    CShowDefaultActivities dialog(kt::ActivityTable::Defaults());
    bool pressed = false;
    QTimer::singleShot(50, &dialog, [&] {
        pressed = true;
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_TRUE(pressed);
    EXPECT_FALSE(dialog.isVisible());

    // The keyboard works too: Return presses the default OK button.
    QTimer::singleShot(50, &dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Return); });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
}

}  // namespace
}  // namespace kt::ui
