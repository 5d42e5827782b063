#include <gtest/gtest.h>

#include "core/app/ActionButton.h"
#include "core/app/ToolbarRules.h"
#include "core/entry/EntryGrid.h"
#include "core/entry/EntryState.h"
#include "core/journal/KT2Doc.h"
#include "core/settings/InitialWeight.h"
#include "core/settings/Settings.h"
#include "support/TestSupport.h"

namespace kt {
namespace {

TEST(ToolbarRules, WeightField_FirstNotificationIgnored_ThenOnlyPositiveNumbersAreTaken) {
    CKT2Doc doc;
    doc.m_dLastWeight = 80.0;
    EntryState view;
    Settings settings;
    ToolbarRules rules;
    EXPECT_FALSE(rules.OnWeightTextChanged("95", doc, view, settings).processed);
    for (const char* refused : {"0", "abc", "-3", "inf"}) {
        const WeightChange c = rules.OnWeightTextChanged(refused, doc, view, settings);
        EXPECT_TRUE(c.processed && !c.accepted && c.label == "Last Weight: ") << refused;
    }
    EXPECT_DOUBLE_EQ(doc.m_dLastWeight, 80.0);
    EXPECT_FALSE(view.newWeightSet || settings.m_bSettingsChanged);

    const WeightChange taken = rules.OnWeightTextChanged("72.5", doc, view, settings);
    EXPECT_TRUE(taken.accepted && taken.label == "New Weight: ");
    EXPECT_TRUE(doc.m_dLastWeight == 72.5 && view.newWeight == 72.5 && view.newWeightSet && settings.m_bSettingsChanged);
    EXPECT_DOUBLE_EQ(settings.m_dLastWeight, 0.0);  // the stored setting is not touched
}

// The start-up order: window creation fills the field, then the data entry view refreshes it.
TEST(ToolbarRules, StartUp_OnlyAStoredWeightAbove30GivesAProcessedNotification) {
    for (double stored : {80.0, 30.0}) {
        CKT2Doc doc;
        doc.m_dLastWeight = stored;
        EntryState view;
        EntryGrid grid;
        Settings settings;
        ToolbarRules rules;
        if (auto text = ToolbarRules::WindowCreationWeightText(stored)) rules.OnWeightTextChanged(*text, doc, view, settings);
        rules.OnWeightTextChanged(ToolbarRules::RefreshWeightField(doc).field, doc, view, settings);
        CompleteStartUp(view, grid);
        EXPECT_EQ(settings.m_bSettingsChanged, stored > 30.0) << stored;
        EXPECT_TRUE(!view.newWeightSet && view.exitCaption == "Exit");
    }
    CKT2Doc doc;
    doc.m_dLastWeight = 123.456;
    EXPECT_EQ(ToolbarRules::RefreshWeightField(doc).field + " " + ToolbarRules::RefreshWeightField(doc).label, "123.5 Last Weight (lbs):");
    doc.m_bMetric = true;
    EXPECT_EQ(ToolbarRules::RefreshWeightField(doc).label, "Last Weight (kg):");
}

TEST(ToolbarRules, PickedDay_GivesLocalMidnightAlsoOnClockChangeDays) {
    for (auto [y, m, d] : {std::tuple{2016, 1, 5}, {2016, 3, 27}, {2016, 10, 30}})
        EXPECT_EQ(ToolbarRules::EntryDateForPickedDay(y, m, d), MidnightOf(MakeLocalTime(y, m, d, 15, 45, 10))) << m << '-' << d;
}

TEST(ActionButton, CaptionFollowsPaneReplaceStateAndMode) {
    EXPECT_EQ(ActionButtonCaption(true, true, EditorMode::Activities), "Replace Activity Data");
    EXPECT_EQ(ActionButtonCaption(true, true, EditorMode::Records), "Replace Record");
    EXPECT_EQ(ActionButtonCaption(true, false, EditorMode::Activities), "Update Selected Activities");
    EXPECT_EQ(ActionButtonCaption(true, false, EditorMode::Records), "Read Data Grid");
    EXPECT_EQ(ActionButtonCaption(false, true, EditorMode::Activities), "Read Data Grid");
}

TEST(InitialWeight, ZeroOrNoNumberIsRefused_NegativeIsAccepted_OkSetsDocumentAndFrame) {
    for (const char* refused : {"abc", "0", "", "nan"}) {
        test::RecordingPrompter prompter;
        EXPECT_FALSE(AcceptInitialWeight(refused, prompter).has_value()) << refused;
        EXPECT_EQ(prompter.messages, (std::vector<std::string>{"An initial weight really is required. Please enter a weight so that "
                                                               "calories may be calculated, at least approximately."}));
    }
    test::RecordingPrompter prompter;
    EXPECT_TRUE(AcceptInitialWeight("-5", prompter) == -5.0 && prompter.messages.empty());

    CKT2Doc doc;
    Settings settings;
    doc.m_bMetric = true;
    // Asked for exactly while the weight is 0; a negative weight someone accepted is a weight.
    EXPECT_TRUE(NeedsInitialWeight(doc));
    doc.m_dLastWeight = -0.1;
    EXPECT_FALSE(NeedsInitialWeight(doc));
    ApplyInitialWeight(165.0, false, doc, settings);
    EXPECT_FALSE(NeedsInitialWeight(doc));
    EXPECT_TRUE(doc.m_dLastWeight == 165.0 && !doc.m_bMetric && settings.m_dLastWeight == 165.0 && settings.m_bSettingsChanged);
}

}  // namespace
}  // namespace kt
