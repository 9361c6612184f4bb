// The toolbars' button tables and the status-bar hint rule.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "view/window/Toolbars.h"

TEST(ToolbarTables, IndicesKeysAndCounts) {
  EXPECT_EQ(MainToolbarButtons().size(), 43u);
  EXPECT_EQ(DrawToolbarButtons().size(), 25u);
  EXPECT_EQ(ViewToolbarButtons().size(), 23u);
  for (int bar : {MainToolbar, DrawToolbar, ViewToolbar}) {
    SCOPED_TRACE(bar);
    std::set<std::string> keys;
    int expected = 1;
    for (const ToolbarButtonSpec& b : ToolbarButtons(bar)) {
      EXPECT_EQ(b.Index, expected++);
      // Separators have keys that begin with barSep (the first of the draw toolbar has none) and no
      // command; every command button has a tooltip, a hint and a unique key.
      if (b.Separator) {
        EXPECT_TRUE(std::string(b.Key).empty() || std::string(b.Key).rfind("barSep", 0) == 0)
            << b.Key;
        EXPECT_STREQ(b.Handler, "");
      } else {
        EXPECT_STRNE(b.Tooltip, "");
        EXPECT_STRNE(b.Hint, "");
        EXPECT_TRUE(keys.insert(b.Key).second) << b.Key;
      }
      // A button is found by its key on its own toolbar.
      if (*b.Key) {
        EXPECT_EQ(FindToolbarButton(bar, b.Key), &b) << b.Key;
      }
    }
  }
  EXPECT_TRUE(ToolbarButtons(4).empty());
  EXPECT_EQ(FindToolbarButton(MainToolbar, "barViewFront"), nullptr); // a view toolbar key
  EXPECT_EQ(FindToolbarButton(4, "barNew2D"), nullptr);
}

TEST(ToolbarTables, TextsThatAreEasyToGetWrong) {
  struct Row {
    int bar, index;
    const char* key;
    const char* tooltip;
    const char* hint;
    const char* handler;
  };
  const Row rows[] = {
      {MainToolbar, 2, "barNew2D", "New 2D Graphs", "Create new 2d graphs", "New2DDocument"},
      {MainToolbar, 16, "barPaste", "Paste Graph", "Paste", "PasteCopiedGraph"},
      {MainToolbar, 17, "varDel", "Delete Selected Graph", "Delete the selected graph",
       "DeleteSelectedGraph"},
      {MainToolbar, 19, "barHelp", "Online Help", "Get online help", "ShowHelpContents"},
      {MainToolbar, 36, "barAnimFirst", "First ", "Show the first frame", "ShowFirstFrame"},
      {MainToolbar, 43, "barAnimRevRepeat", "Reverse Repeat", "Repeat animation reversely",
       "PlayReverseRepeatedly"},
      {DrawToolbar, 17, "barTab2", "Add A 2D Table Graph", "Add a 2D table graph",
       "Add2DTableGraph"},
      {DrawToolbar, 22, "barStem", "Add A Stem Plot", "Add a stem plot", "AddStemPlot"},
      {DrawToolbar, 25, "barLight", "Modify Light Properties", "Set light properties",
       "EditLightSettings"},
      {ViewToolbar, 6, "barViewOrtho", "Ortho Projection", "Ortho projection", ""},
      {ViewToolbar, 15, "barTrackBall", "Track Ball", "Rotate the scene", "DragWithTrackball"},
      {ViewToolbar, 18, "barModelGrid", "Grid Model", "Line model", ""},
      {ViewToolbar, 23, "bar3DSmoothest", "Smoothest Surface", "Smoothest model", ""},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << "toolbar " << r.bar << " button " << r.index);
    const ToolbarButtonSpec& b = ToolbarButtons(r.bar).at(r.index - 1);
    EXPECT_STREQ(b.Key, r.key);
    EXPECT_STREQ(b.Tooltip, r.tooltip);
    EXPECT_STREQ(b.Hint, r.hint);
    EXPECT_STREQ(b.Handler, r.handler);
  }
  EXPECT_TRUE(DrawToolbarButtons()[0].Separator);
  EXPECT_STREQ(DrawToolbarButtons()[0].Key, "");
}

TEST(ToolbarHint, RuleAtButtonEdges) {
  // The main toolbar at the top, 450 twips high; buttons 1 (separator) to 4 side by side.
  const auto& table = MainToolbarButtons();
  const std::vector<ButtonExtent> extents = {
      {1, 0, 120}, {2, 120, 345}, {3, 465, 345}, {4, 810, 345}, {6, 1155, 120}};
  struct Row {
    const char* what;
    float cross, along;
    std::optional<std::string> expected;
  };
  const Row rows[] = {
      {"inside button 2", 225, 300, "Create new 2d graphs"},
      {"inside button 3", 225, 600, "Create new 2.5d graphs"},
      {"on the shared edge of 2 and 3", 225, 465, "Ready"},
      {"just right of the shared edge", 225, 465.5f, "Create new 2.5d graphs"},
      {"on the left edge of button 2", 225, 120, "Ready"},
      {"over the separator", 225, 60, "Ready"},
      {"over the separator after button 4", 225, 1200, "Ready"},
      {"past the last button", 225, 9000, "Ready"},
      {"on the toolbar's top edge", 0, 300, std::nullopt},
      {"on the toolbar's bottom edge", 450, 300, std::nullopt},
      {"below the toolbar", 600, 300, std::nullopt},
      {"just inside the top edge", 0.5f, 300, "Create new 2d graphs"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    EXPECT_EQ(ToolbarHint(table, r.cross, 0, 450, r.along, extents), r.expected);
  }
}

TEST(ToolbarHint, VerticalToolbarUsesTheVerticalPosition) {
  // The view toolbar down the right edge at Left 14910, 450 wide; its buttons stacked from the
  // top.
  const auto& table = ViewToolbarButtons();
  const std::vector<ButtonExtent> extents = {{1, 0, 330}, {2, 330, 330}, {3, 660, 330}};
  // Any x inside the bar passes the cross test; the y picks the button.
  EXPECT_EQ(ToolbarHint(table, 14910 + 10, 14910, 15360, 400, extents), "View right");
  EXPECT_EQ(ToolbarHint(table, 14910 + 440, 14910, 15360, 400, extents), "View right");
  EXPECT_EQ(ToolbarHint(table, 14910 + 440, 14910, 15360, 700, extents), "View top");
  EXPECT_EQ(ToolbarHint(table, 14910, 14910, 15360, 400, extents), std::nullopt);
}
