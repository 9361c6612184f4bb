// Scripted dialogs answer in order, record what was asked, and restore the real ones afterwards.

#include <gtest/gtest.h>

#include "platform/Prompter.h"

TEST(ScriptedDialogs, AnswerInOrderAndRecord) {
  ScopedScriptedDialogs dialogs;
  dialogs.prompter.answers = {MsgResult::No, MsgResult::Cancel};
  EXPECT_EQ(MsgBox("Save changes to file?", MsgButtons::YesNoCancel, MsgIcon::Question, "Note"),
            MsgResult::No);
  EXPECT_EQ(MsgBox("again", MsgButtons::YesNoCancel), MsgResult::Cancel);
  // Without answers left, the first button.
  EXPECT_EQ(MsgBox("third", MsgButtons::YesNo), MsgResult::Yes);
  ASSERT_EQ(dialogs.prompter.shown.size(), 3u);
  EXPECT_EQ(dialogs.prompter.shown[0].title, "Note");
  EXPECT_EQ(dialogs.prompter.shown[0].text, "Save changes to file?");

  dialogs.files.answers = {FileChoice{"/tmp/a.crv", 1}, std::nullopt};
  auto first = TheFileChooser().SaveFile("Save", {{"(*.crv)", "*.crv"}}, 1, "");
  ASSERT_TRUE(first.has_value());
  EXPECT_EQ(first->path, "/tmp/a.crv");
  EXPECT_FALSE(TheFileChooser().SaveFile("Save", {}, 1, "").has_value());
  EXPECT_FALSE(TheFileChooser().OpenFile("Open", {}, 1, "").has_value()); // nothing left: cancel

  dialogs.colors.answers = {255};
  EXPECT_EQ(TheColorChooser().ChooseColor(0).value(), 255);
  EXPECT_FALSE(TheColorChooser().ChooseColor(0).has_value());
  EXPECT_EQ(dialogs.colors.asked, 2);
}

TEST(ScriptedDialogs, RestoreTheDefaultsWhenDone) {
  Prompter* inside = nullptr;
  {
    ScopedScriptedDialogs dialogs;
    inside = &ThePrompter();
    EXPECT_EQ(inside, &dialogs.prompter);
  }
  EXPECT_NE(&ThePrompter(), inside);
}
