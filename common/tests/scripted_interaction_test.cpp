#include "common/interaction/scripted_interaction.h"

#include <gtest/gtest.h>

using namespace korvath;

TEST(ScriptedInteraction, AnswersInOrderAndRecordsEveryBox) {
    ScriptedInteraction ui;
    ui.answer(Answer::Yes);
    ui.answerText("maps");
    ui.answerDialog(1);
    EXPECT_EQ(ui.message({"Notice:", "Sure?", Buttons::YesNo, Icon::None}), Answer::Yes);
    EXPECT_EQ(ui.askText({"Folder Create", "Type in the folder name to create.", ""}), "maps");
    bool shown = false;
    EXPECT_EQ(ui.runDialog("Form3", [&] { shown = true; return 0; }), 1);
    EXPECT_FALSE(shown);
    ASSERT_EQ(ui.shown().size(), 3u);
    EXPECT_EQ(ui.shown()[0].title, "Notice:");
    EXPECT_EQ(ui.shown()[0].buttons, Buttons::YesNo);
    EXPECT_EQ(ui.shown()[1].text, "Type in the folder name to create.");
    EXPECT_EQ(ui.shown()[2].title, "Form3");
    EXPECT_EQ(ui.unanswered(), 0);
}

TEST(ScriptedInteraction, UnscriptedQuestionsGetTheCancellingAnswer) {
    ScriptedInteraction ui;
    EXPECT_EQ(ui.message({"t", "x", Buttons::YesNo, Icon::None}), Answer::No);
    EXPECT_EQ(ui.message({"t", "x", Buttons::OkCancel, Icon::None}), Answer::Cancel);
    EXPECT_FALSE(ui.askText({"t", "p", ""}).has_value());
    // An answer of the wrong kind is not consumed by another kind of box.
    ui.answerText("x");
    EXPECT_EQ(ui.message({"t", "x", Buttons::Ok, Icon::None}), Answer::Ok);
    EXPECT_EQ(ui.pending(), 1u);
    EXPECT_EQ(ui.unanswered(), 4);
}
