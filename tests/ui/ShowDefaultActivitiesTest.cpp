#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "support/UiTestSupport.h"
#include "ui/activities/ShowDefaultActivities.h"
#include "ui/base/QtText.h"

namespace kt::ui {
namespace {

TEST(ShowDefaultActivitiesTest, ListsTheFourteenDefaultsAsTheTableHoldsThemNow) {
    kt::ActivityTable table;
    table.SetActivity(248, "Butterfly <fast>", 11.25);
    table.SetActivity(0, "Aerobics, general", 6.4919);
    CShowDefaultActivities dialog(table);

    EXPECT_EQ(dialog.windowTitle(), ToQ("Default Activities"));
    EXPECT_EQ(dialog.Title()->text(), ToQ("Default Activity Types"));
    EXPECT_EQ(dialog.Title()->font().pointSize(), 18);
    EXPECT_TRUE(dialog.Title()->font().bold());
    EXPECT_EQ(dialog.Title()->palette().color(QPalette::WindowText), QColor(0, 0, 255));

    QTreeWidget* list = dialog.List();
    ASSERT_EQ(list->columnCount(), 2);
    EXPECT_EQ(list->headerItem()->text(0), ToQ("Activity Description"));
    EXPECT_EQ(list->headerItem()->text(1), ToQ("METS"));
    ASSERT_EQ(list->topLevelItemCount(), 14);

    const std::vector<uint16_t> defaults = kt::DefaultSelectedActivities();
    for (int row = 0; row < 14; ++row) {
        const kt::Activity& entry = table.At(defaults[static_cast<size_t>(row)]);
        EXPECT_EQ(list->topLevelItem(row)->text(0), ToQ(entry.name)) << row;
    }
    EXPECT_EQ(list->topLevelItem(0)->text(1), ToQ("6.492"));
    EXPECT_EQ(list->topLevelItem(11)->text(0), ToQ("Butterfly <fast>"));  // the renamed entry
    EXPECT_EQ(list->topLevelItem(11)->text(1), ToQ("11.250"));
    EXPECT_EQ(list->topLevelItem(13)->text(0), ToQ("Weeding, cultivating garden"));
    EXPECT_EQ(list->topLevelItem(13)->text(1), ToQ("4.499"));
}

TEST(ShowDefaultActivitiesTest, RowsAlternateTheirColours) {
    CShowDefaultActivities dialog(kt::ActivityTable::Defaults());
    QTreeWidget* list = dialog.List();
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        const bool even = row % 2 == 0;
        for (int column = 0; column < 2; ++column) {
            QTreeWidgetItem* item = list->topLevelItem(row);
            EXPECT_EQ(item->foreground(column).color(), even ? QColor(0, 0, 128) : QColor(132, 0, 0)) << row;
            EXPECT_EQ(item->background(column).color(), even ? QColor(220, 255, 220) : QColor(220, 220, 255)) << row;
        }
    }
}

TEST(ShowDefaultActivitiesTest, ColumnsShareTheWidthAndNothingIsClipped) {
    CShowDefaultActivities dialog(kt::ActivityTable::Defaults());
    dialog.show();
    QTest::qWait(20);
    QTreeWidget* list = dialog.List();
    const int width = list->viewport()->width();
    EXPECT_EQ(list->header()->sectionSize(0), width * 5 / 6);
    EXPECT_EQ(list->header()->sectionSize(1), width / 6);
    const QFontMetrics metrics(list->font());
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
        EXPECT_LT(metrics.horizontalAdvance(list->topLevelItem(row)->text(0)), list->header()->sectionSize(0)) << row;
        EXPECT_LT(metrics.horizontalAdvance(list->topLevelItem(row)->text(1)), list->header()->sectionSize(1)) << row;
    }
    // Every row is visible without scrolling.
    const QRect last = list->visualItemRect(list->topLevelItem(13));
    EXPECT_LE(last.bottom(), list->viewport()->height());
    EXPECT_FALSE(list->verticalScrollBar()->isVisible());

    dialog.resize(dialog.width() + 120, dialog.height());
    QTest::qWait(20);
    EXPECT_EQ(list->header()->sectionSize(0), list->viewport()->width() * 5 / 6);
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
