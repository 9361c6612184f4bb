// The container's drawing pass: after the last graph the clip planes 0 and 1 are off, whatever
// the graphs did, and a graph that fails does not stop the others.

#include <gtest/gtest.h>

#include <GL/gl.h>

#include "model/GraphContainer.h"
#include "support/GlTestContext.h"

TEST(GraphContainerDraw, DisablesTheClipPlanesAfterTheLastGraph) {
  GlTestContext gl(16, 16);
  ASSERT_TRUE(gl.Valid());
  GraphContainer c;
  for (int32_t id = 1; id <= 3; ++id) {
    auto g = std::make_shared<Graph>();
    g->ID = id;
    g->GraphType = 99; // a kind that draws nothing
    g->Animation = id == 2;
    c.FunSurfs.Add(g);
  }
  glEnable(GL_CLIP_PLANE0);
  glEnable(GL_CLIP_PLANE1);
  c.Draw(3);
  EXPECT_FALSE(glIsEnabled(GL_CLIP_PLANE0));
  EXPECT_FALSE(glIsEnabled(GL_CLIP_PLANE1));
  EXPECT_LE(c.LastDrawErrors.size(), 3u);

  GraphContainer empty;
  glEnable(GL_CLIP_PLANE0);
  empty.Draw();
  EXPECT_FALSE(glIsEnabled(GL_CLIP_PLANE0));
  EXPECT_TRUE(empty.LastDrawErrors.empty());
}
