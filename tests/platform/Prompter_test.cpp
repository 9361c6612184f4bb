// Scripted dialogs answer in order, record what was asked, and restore the real ones afterwards.

#include <gtest/gtest.h>

#include "platform/CommandGuard.h"
#include "platform/Errors.h"
#include "platform/Prompter.h"

#include <new>
#include <stdexcept>

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

TEST(FileFilterText, EachPatternIsShownOnce) {
  EXPECT_EQ(FileFilterText({{"(*.crv)", "*.crv"}}), "(*.crv)");
  EXPECT_EQ(FileFilterText({{"*.crv", "*.crv"}, {"*.bmp", "*.bmp"}}), "*.crv;;*.bmp");
  EXPECT_EQ(FileFilterText({{"Pictures", "*.bmp;*.jpg"}}), "Pictures (*.bmp *.jpg)");
}

TEST(UnattendedPrompter, TakesTheDefaultAndRemembersErrors) {
  UnattendedPrompter p;
  EXPECT_EQ(p.MsgBox("Save?", MsgButtons::YesNoCancel, MsgIcon::Exclamation, "Note"),
            MsgResult::Yes);
  EXPECT_EQ(p.MsgBox("Again?", MsgButtons::RetryCancel, MsgIcon::Exclamation, "Note"),
            MsgResult::Cancel); // never retried for ever
  EXPECT_FALSE(p.errorShown);
  EXPECT_EQ(p.MsgBox("Cannot open", MsgButtons::OK, MsgIcon::Critical, "Error"), MsgResult::OK);
  EXPECT_TRUE(p.errorShown);
}

std::string CurrentExceptionTextOf42() {
  try {
    throw 42;
  } catch (...) {
    return CurrentExceptionText();
  }
}

TEST(RunGuarded, NoExceptionLeavesACommand) {
  ScopedScriptedDialogs dialogs;
  EXPECT_TRUE(RunGuarded("&Open...", [] {}));
  EXPECT_FALSE(RunGuarded("&Open...", [] { throw std::bad_alloc(); }));
  EXPECT_FALSE(RunGuarded("", [] { throw CorvalinError("no row 3"); }));
  EXPECT_FALSE(RunGuarded("Paste", [] { throw 42; }));
  ASSERT_EQ(dialogs.prompter.shown.size(), 3u);
  EXPECT_EQ(dialogs.prompter.shown[0].text, "There is not enough memory to carry out \"Open\".");
  EXPECT_EQ(dialogs.prompter.shown[0].title, "Error");
  EXPECT_EQ(dialogs.prompter.shown[1].text, "The command failed: no row 3.");
  EXPECT_EQ(dialogs.prompter.shown[2].text,
            "The command \"Paste\" failed: " + CurrentExceptionTextOf42() + ".");
}
