// The table of graph kinds: one row per kind in GraphType order, rows that agree with one
// another, and the row of no kind for every other code.

#include <gtest/gtest.h>

#include <string_view>

#include "model/GraphKinds.h"

namespace {

TEST(GraphKinds, OneRowPerKindInOrderAndConsistent) {
  int32_t last = -1;
  for (const GraphKindRow& row : GraphKindTable()) {
    EXPECT_GT(row.Type, last) << row.Name;
    last = row.Type;
    EXPECT_EQ(&GraphKind(row.Type), &row) << row.Name;
    // Table graphs have the table record and caption, and showing them samples nothing.
    const bool table = row.Record == RecordKind::Table;
    EXPECT_EQ(row.Caption == CaptionFamily::Table, table) << row.Name;
    if (table) {
      EXPECT_FALSE(row.SampledWhenShown) << row.Name;
    }
    // Every animation kind is named so, and no other.
    EXPECT_EQ(std::string_view(row.Name).ends_with("Animation"), row.Animated) << row.Name;
    // A kind that a dialog edits is drawn and written.
    if (row.Dialog != GraphDialog::None) {
      EXPECT_NE(row.Drawer, GraphDrawer::None) << row.Name;
      EXPECT_NE(row.Record, RecordKind::NoRecord) << row.Name;
    }
  }
}

TEST(GraphKinds, CodesOfNoKindGetThePlainRow) {
  for (int32_t code : {-1, 16, 19, 24, 30, 33, 40, 46, 1000}) {
    const GraphKindRow& row = GraphKind(code);
    EXPECT_STREQ(row.Name, "Graph") << code;
    EXPECT_EQ(row.Record, RecordKind::NoRecord) << code;
    EXPECT_EQ(row.Caption, CaptionFamily::Plain) << code;
    EXPECT_EQ(row.Drawer, GraphDrawer::None) << code;
    EXPECT_EQ(row.Dialog, GraphDialog::None) << code;
    EXPECT_FALSE(row.Animated || row.Clipped) << code;
  }
}

} // namespace
