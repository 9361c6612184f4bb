// A message about a graph is shown once for the graph's settings as they are: again after a
// setting changes, not after sampling writes its outputs; questions always reach the user.

#include <gtest/gtest.h>

#include "model/Graph.h"
#include "model/ProblemsToldOnce.h"
#include "platform/Prompter.h"

TEST(ProblemsToldOnce, AnInformingMessageIsShownOnceUntilASettingChanges) {
  ScopedScriptedDialogs dialogs;
  Graph g;
  g.ExpressZ = "x";
  const auto tell = [&g](const std::string& text, MsgButtons buttons = MsgButtons::OK) {
    TellOnceAbout once(g);
    MsgBox(text, buttons, MsgIcon::Exclamation, "Error");
  };
  const auto shown = [&dialogs] { return dialogs.prompter.shown.size(); };

  tell("too long");
  tell("too long");
  EXPECT_EQ(shown(), 1u);
  tell("another problem"); // a message of another text is another problem
  EXPECT_EQ(shown(), 2u);
  tell("too long", MsgButtons::YesNo); // a question is always asked
  EXPECT_EQ(shown(), 3u);

  // What sampling and drawing write is no setting.
  g.MinVV = -4.0f;
  g.BoxMaxX = 9.0f;
  tell("too long");
  EXPECT_EQ(shown(), 3u);

  // A setting changed: told again, once; a list item counts as a setting too.
  g.ExpressZ = "x^2";
  tell("too long");
  tell("too long");
  EXPECT_EQ(shown(), 4u);
  g.CurvX[50] = 1.0f;
  tell("too long");
  EXPECT_EQ(shown(), 5u);

  // Outside the scope nothing is held back, and the prompter in force before is back.
  MsgBox("too long", MsgButtons::OK, MsgIcon::Exclamation, "Error");
  EXPECT_EQ(shown(), 6u);
}
