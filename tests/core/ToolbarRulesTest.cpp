#include <gtest/gtest.h>

#include "core/app/ActionButton.h"
#include "core/app/InitialWeight.h"
#include "core/app/ToolbarRules.h"
#include "core/entry/EntryGrid.h"
#include "core/entry/EntryState.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/Settings.h"
#include "support/TestSupport.h"

namespace kt {
namespace {

const char* const kRequired =
    "An initial weight really is required. Please enter a weight so that calories may be calculated, at least approximately.";

struct ToolbarFixture : ::testing::Test {
    CKT2Doc doc;
    EntryState view;
    Settings settings;
    ToolbarRules rules;
};

TEST_F(ToolbarFixture, WeightField_FirstNotificationIgnored_ThenOnlyPositiveNumbersAreTaken) {
    doc.m_dLastWeight = 80.0;
    const WeightChange first = rules.OnWeightTextChanged("95", doc, view, settings);
    EXPECT_FALSE(first.processed);
    EXPECT_DOUBLE_EQ(doc.m_dLastWeight, 80.0);
    EXPECT_FALSE(view.newWeightSet);
    EXPECT_FALSE(settings.m_bSettingsChanged);

    for (const char* refused : {"0", "abc", "", "-3", "inf", "nan"}) {
        SCOPED_TRACE(refused);
        const WeightChange c = rules.OnWeightTextChanged(refused, doc, view, settings);
        EXPECT_TRUE(c.processed);
        EXPECT_FALSE(c.accepted);
        EXPECT_EQ(c.label, "Last Weight: ");
        EXPECT_DOUBLE_EQ(doc.m_dLastWeight, 80.0);
        EXPECT_FALSE(view.newWeightSet);
        EXPECT_FALSE(settings.m_bSettingsChanged);
    }

    const WeightChange typed = rules.OnWeightTextChanged("72.5", doc, view, settings);
    EXPECT_TRUE(typed.accepted);
    EXPECT_EQ(typed.label, "New Weight: ");
    EXPECT_DOUBLE_EQ(doc.m_dLastWeight, 72.5);
    EXPECT_DOUBLE_EQ(view.newWeight, 72.5);
    EXPECT_TRUE(view.newWeightSet);
    EXPECT_TRUE(settings.m_bSettingsChanged);
    // The stored setting follows the document only when the database is loaded again.
    EXPECT_DOUBLE_EQ(settings.m_dLastWeight, 0.0);

    // Text that is no weight afterwards changes the label only; the new weight stays in force.
    const WeightChange cleared = rules.OnWeightTextChanged("", doc, view, settings);
    EXPECT_EQ(cleared.label, "Last Weight: ");
    EXPECT_DOUBLE_EQ(doc.m_dLastWeight, 72.5);
    EXPECT_TRUE(view.newWeightSet);
}

// The start-up sequence as the main window and the data entry view run it.
void StartUp(ToolbarRules& rules, CKT2Doc& doc, EntryState& view, Settings& settings, EntryGrid& grid) {
    if (auto text = ToolbarRules::WindowCreationWeightText(settings.m_dLastWeight)) rules.OnWeightTextChanged(*text, doc, view, settings);
    rules.OnWeightTextChanged(ToolbarRules::RefreshWeightField(doc).field, doc, view, settings);
    CompleteStartUp(view, grid);
}

TEST_F(ToolbarFixture, StartUp_StoredWeightAbove30_SecondFillIsProcessedAndMarksSettingsChanged) {
    settings.m_dLastWeight = 80.0;
    doc.m_dLastWeight = 80.0;
    doc.m_bMetric = true;
    EntryGrid grid;
    StartUp(rules, doc, view, settings, grid);
    EXPECT_TRUE(settings.m_bSettingsChanged);
    EXPECT_DOUBLE_EQ(doc.m_dLastWeight, 80.0);
    EXPECT_FALSE(view.newWeightSet);  // cleared again at the end of the view's start-up
    EXPECT_EQ(view.exitCaption, "Exit");
}

TEST_F(ToolbarFixture, StartUp_StoredWeight30OrLess_NoNotificationIsProcessed) {
    settings.m_dLastWeight = 30.0;
    doc.m_dLastWeight = 30.0;
    EntryGrid grid;
    StartUp(rules, doc, view, settings, grid);
    EXPECT_FALSE(settings.m_bSettingsChanged);
    // The next typed text is the first one processed.
    EXPECT_TRUE(rules.OnWeightTextChanged("31", doc, view, settings).processed);
    EXPECT_DOUBLE_EQ(doc.m_dLastWeight, 31.0);
}

TEST(ToolbarRules, WeightFieldTextsAndWindowCreationFill) {
    CKT2Doc doc;
    doc.m_dLastWeight = 123.456;
    doc.m_bMetric = false;
    WeightFieldTexts t = ToolbarRules::RefreshWeightField(doc);
    EXPECT_EQ(t.field, "123.5");
    EXPECT_EQ(t.label, "Last Weight (lbs):");
    doc.m_dLastWeight = 0.0;
    doc.m_bMetric = true;
    t = ToolbarRules::RefreshWeightField(doc);
    EXPECT_EQ(t.field, "0.0");
    EXPECT_EQ(t.label, "Last Weight (kg):");

    EXPECT_EQ(ToolbarRules::WindowCreationWeightText(80.04), "80.0");
    EXPECT_EQ(ToolbarRules::WindowCreationWeightText(30.01), "30.0");
    EXPECT_FALSE(ToolbarRules::WindowCreationWeightText(30.0).has_value());
    EXPECT_FALSE(ToolbarRules::WindowCreationWeightText(0.0).has_value());
}

TEST(ToolbarRules, PickedDay_GivesLocalMidnightAlsoOnClockChangeDays) {
    for (auto [y, m, d] : {std::tuple{2016, 1, 5}, {2016, 3, 27}, {2016, 10, 30}}) {
        const Time64 date = ToolbarRules::EntryDateForPickedDay(y, m, d);
        const LocalDate local = ToLocal(date);
        EXPECT_EQ(local.year, y);
        EXPECT_EQ(local.month, m);
        EXPECT_EQ(local.day, d);
        EXPECT_EQ(local.hour, 0);
        EXPECT_EQ(local.minute, 0);
        EXPECT_EQ(date, MidnightOf(MakeLocalTime(y, m, d, 15, 45, 10)));
    }
}

TEST(ActionButton, CaptionFollowsPaneReplaceStateAndMode) {
    EXPECT_EQ(ActionButtonCaption(true, true, EditorMode::Activities), "Replace Activity Data");
    EXPECT_EQ(ActionButtonCaption(true, true, EditorMode::Records), "Replace Record");
    EXPECT_EQ(ActionButtonCaption(true, false, EditorMode::Activities), "Update Selected Activities");
    EXPECT_EQ(ActionButtonCaption(true, false, EditorMode::Records), "Read Data Grid");
    for (bool replace : {false, true}) {
        for (EditorMode mode : {EditorMode::Records, EditorMode::Activities}) {
            EXPECT_EQ(ActionButtonCaption(false, replace, mode), "Read Data Grid");
        }
    }
}

TEST(InitialWeight, ZeroOrNoNumberIsRefused_NegativeIsAccepted) {
    for (const char* refused : {"abc", "0", "0.0", "", "  ", "-0", "nan", "1e999"}) {
        SCOPED_TRACE(refused);
        test::RecordingPrompter prompter;
        EXPECT_FALSE(AcceptInitialWeight(refused, prompter).has_value());
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(prompter.messages[0], kRequired);
    }
    test::RecordingPrompter prompter;
    EXPECT_EQ(AcceptInitialWeight("-5", prompter), -5.0);
    EXPECT_EQ(AcceptInitialWeight(" 72.5 kg", prompter), 72.5);
    EXPECT_TRUE(prompter.messages.empty());
}

TEST(InitialWeight, OkSetsDocumentFrameAndSettingsChanged) {
    CKT2Doc doc;
    Settings settings;
    ApplyInitialWeight(165.0, false, doc, settings);
    EXPECT_DOUBLE_EQ(doc.m_dLastWeight, 165.0);
    EXPECT_FALSE(doc.m_bMetric);
    EXPECT_DOUBLE_EQ(settings.m_dLastWeight, 165.0);
    EXPECT_TRUE(settings.m_bSettingsChanged);
    ApplyInitialWeight(70.0, true, doc, settings);
    EXPECT_TRUE(doc.m_bMetric);
}

}  // namespace
}  // namespace kt
