// Removing one graph or all graphs: the containers and the rows of the list stay aligned, IDs are
// kept, the scene is built and presented once, and indices that name no graph change nothing.

#include <gtest/gtest.h>

#include <climits>

#include "document/GraphRemoval.h"
#include "document/RecordingHost.h"
#include "document/RemovalTestHost.h"
#include "render/common/ResultBox.h"
#include "support/ProgramStateReset.h"

namespace {

class RemovalTest : public ProgramStateTest {
protected:
  void SetUp() override {
    ProgramStateTest::SetUp();
    CurrentFrame = 4;
  }

  // Graphs 11, 12, 13, 14 with rows; 12 not shown.
  void FourGraphs() {
    host.AddGraph(11);
    host.AddGraph(12, Curve2D, false);
    host.AddGraph(13, Table2D);
    host.AddGraph(14);
  }

  // Every row names the graph at its position of AllGraphs.
  void ExpectRowsAligned() {
    ASSERT_EQ(host.ListCount(), AllGraphs.FunSurfs.Count());
    for (int32_t i = 1; i <= AllGraphs.FunSurfs.Count(); ++i)
      EXPECT_EQ(host.rows[static_cast<size_t>(i - 1)].caption,
                "g" + std::to_string(AllGraphs.FunSurfs.Item(i)->ID))
          << "row " << i - 1;
  }

  ListTestHost host;
};

TEST_F(RemovalTest, RemovingOneGraphKeepsIdsAndRowsAligned) {
  struct Row {
    std::vector<int32_t> indices; // removed one after another
    std::vector<int32_t> all, shown;
  };
  const Row rows[] = {
      {{2}, {11, 13, 14}, {11, 13, 14}}, // a hidden graph: ShownGraphs as it was
      {{1}, {12, 13, 14}, {13, 14}},
      {{4}, {11, 12, 13}, {11, 13}},
      {{3, 1}, {12, 14}, {14}},
      {{2, 2, 2}, {11}, {11}}, // the graph behind a removed one moves up to its row
      {{4, 3, 2, 1}, {}, {}},
  };
  for (const Row& row : rows) {
    ResetProgramState();
    host = ListTestHost();
    FourGraphs();
    for (int32_t index : row.indices)
      EXPECT_TRUE(RemoveGraphAt(index, host));
    EXPECT_EQ(IdsOf(AllGraphs), row.all);
    EXPECT_EQ(IdsOf(ShownGraphs), row.shown);
    ExpectRowsAligned();
    EXPECT_EQ(host.builds, static_cast<int>(row.indices.size()));
    EXPECT_EQ(GraphIdCounter, 14); // removal draws no IDs back
  }
}

TEST_F(RemovalTest, EachRemovalBuildsAndPresentsAfterTheRowIsGone) {
  FourGraphs();
  ResultBox::Set("analysis");
  RemoveGraphAt(2, host);
  const std::vector<std::string> expected = {"RemoveListRow 1", "BuildScene", "Display 4"};
  EXPECT_EQ(host.log, expected);
  // Removing the only shown graphs still builds (an empty scene) and keeps the report box.
  host.ClearLog();
  RemoveGraphAt(1, host);
  RemoveGraphAt(1, host);
  RemoveGraphAt(1, host);
  EXPECT_EQ(ShownGraphs.FunSurfs.Count(), 0);
  EXPECT_EQ(host.builds, 3);
  EXPECT_EQ(ResultBox::Text(), "analysis");
}

TEST_F(RemovalTest, IndicesThatNameNoGraphChangeNothing) {
  for (int32_t index : {0, -1, 5, INT_MIN, INT_MAX}) {
    ResetProgramState();
    host = ListTestHost();
    FourGraphs();
    EXPECT_FALSE(RemoveGraphAt(index, host)) << index;
    EXPECT_EQ(IdsOf(AllGraphs), (std::vector<int32_t>{11, 12, 13, 14})) << index;
    EXPECT_EQ(IdsOf(ShownGraphs), (std::vector<int32_t>{11, 13, 14})) << index;
    EXPECT_EQ(host.ListCount(), 4) << index;
    EXPECT_TRUE(host.log.empty()) << index;
  }
  // An empty document: nothing at all, not even a build.
  ResetProgramState();
  host = ListTestHost();
  EXPECT_FALSE(RemoveGraphAt(1, host));
  EXPECT_TRUE(host.log.empty());
}

TEST_F(RemovalTest, RemoveAllEmptiesTheDocumentAndKeepsItsSettings) {
  FourGraphs();
  host.current = 2;
  DocumentType = DocumentType3D;
  ShownGraphs.RotPitch = -30.0f;
  AxisScaleMode = ScaleCustom;
  FrameCount = 7;
  ResultBox::Set("analysis");
  RemoveAllGraphs(host);
  EXPECT_EQ(AllGraphs.FunSurfs.Count(), 0);
  EXPECT_EQ(ShownGraphs.FunSurfs.Count(), 0);
  EXPECT_EQ(host.ListCount(), 0);
  EXPECT_EQ(host.ListIndex(), -1);
  EXPECT_EQ(GraphIdCounter, 0);
  const std::vector<std::string> expected = {"ClearList", "BuildScene", "Display 4"};
  EXPECT_EQ(host.log, expected);
  EXPECT_EQ(DocumentType, DocumentType3D);
  EXPECT_EQ(ShownGraphs.RotPitch, -30.0f);
  EXPECT_EQ(AxisScaleMode, ScaleCustom);
  EXPECT_EQ(FrameCount, 7);
  EXPECT_EQ(ResultBox::Text(), "analysis");

  // On an empty document it still clears, resets the counter and presents the empty scene once.
  host.ClearLog();
  GraphIdCounter = 5;
  RemoveAllGraphs(host);
  EXPECT_EQ(host.log, expected);
  EXPECT_EQ(GraphIdCounter, 0);
}

TEST_F(RemovalTest, RemovedGraphsGoWithTheirLastReference) {
  FourGraphs();
  std::weak_ptr<Graph> second = AllGraphs.FunSurfs.Item(2);
  std::weak_ptr<Graph> third = AllGraphs.FunSurfs.Item(3);
  RemoveGraphAt(2, host);
  EXPECT_TRUE(second.expired());
  RemoveAllGraphs(host);
  EXPECT_TRUE(third.expired());
}

} // namespace
