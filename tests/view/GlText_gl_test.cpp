// The glyph lists of the three fonts, drawn under Xvfb: text pixels from each font, characters
// above 127, recording into a display list, and the colour and raster state the drawers leave.

#include <gtest/gtest.h>

#include <GL/gl.h>

#include "model/ProgramState.h"
#include "render/common/GlText.h"
#include "view/GlFontsContext.h"

namespace {

constexpr int kW = 160, kH = 64;

class GlTextTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() { s_ctx = new GlFontsContext(kW, kH); }
  static void TearDownTestSuite() { delete s_ctx; }
  void SetUp() override {
    ASSERT_TRUE(s_ctx->Valid());
    s_ctx->MakeCurrent();
    glViewport(0, 0, kW, kH);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, kW, 0, kH, -10, 10); // one unit per pixel
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glClearColor(1, 1, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glGetError();
  }

  // Dark pixels in the rectangle [x0, x1) x [y0, y1).
  static int Ink(int x0, int y0, int x1, int y1) {
    glFinish();
    std::vector<uint8_t> px(kW * kH * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, kW, kH, GL_RGBA, GL_UNSIGNED_BYTE, px.data());
    int n = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x)
        if (px[(y * kW + x) * 4] < 128) ++n;
    return n;
  }

  // Outline text 30 pixels per em at (10, 20).
  static int OutlineInk(uint32_t base, const std::string& text) {
    glClear(GL_COLOR_BUFFER_BIT);
    glPushMatrix();
    glScalef(30, 30, 30);
    DrawOutlineText(base, text, 10.0f / 30, 20.0f / 30, 0, {0, 0, 1, 0}, 0);
    glPopMatrix();
    return Ink(0, 0, kW, kH);
  }

  static GlFontsContext* s_ctx;
};

GlFontsContext* GlTextTest::s_ctx = nullptr;

TEST_F(GlTextTest, EveryFontHasAListPerCode) {
  for (uint32_t base : {TickFontBase, TitleFontBase, BitmapFontBase}) {
    ASSERT_NE(base, 0u);
    EXPECT_TRUE(glIsList(base));
    EXPECT_TRUE(glIsList(base + 255));
  }
}

TEST_F(GlTextTest, OutlineFontsDrawTextAndTheTitleFontIsBold) {
  const int tick = OutlineInk(TickFontBase, "HHHH");
  const int title = OutlineInk(TitleFontBase, "HHHH");
  EXPECT_GT(tick, 50);
  EXPECT_GT(title, tick); // weight 700 puts more ink down than 400
  // Text reads along +x from its start, 0.8 units per em: "HHHH" starts at x 10 and ends before
  // four ems (4 * 0.8 * 30 = 96 pixels) further.
  glClear(GL_COLOR_BUFFER_BIT);
  OutlineInk(TickFontBase, "HHHH");
  EXPECT_EQ(Ink(0, 0, 10, kH), 0);
  EXPECT_GT(Ink(10, 0, 60, kH), 0);
  EXPECT_EQ(Ink(10 + 96, 0, kW, kH), 0);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(GlTextTest, CharactersAboveAsciiHaveGlyphs) {
  for (const char* text : {"\xC3\xA9", "\xC2\xB0", "\xE2\x82\xAC"}) { // é, °, €
    EXPECT_GT(OutlineInk(TickFontBase, text), 10) << text;
    glClear(GL_COLOR_BUFFER_BIT);
    DrawLabel(0, 20, 20, text);
    EXPECT_GT(Ink(18, 16, 40, 40), 3) << text;
  }
  // A character without a Windows-1252 code is drawn as "?", not as a foreign list.
  glClear(GL_COLOR_BUFFER_BIT);
  DrawLabel(0, 20, 20, "\xE4\xB8\xAD"); // a CJK ideograph
  const int unknown = Ink(0, 0, kW, kH);
  glClear(GL_COLOR_BUFFER_BIT);
  DrawLabel(0, 20, 20, "?");
  EXPECT_EQ(unknown, Ink(0, 0, kW, kH));
}

TEST_F(GlTextTest, BitmapTextIsBlackAtTheRasterPositionAndAdvances) {
  glColor3f(1, 0, 0);
  DrawLabel(0, 20, 30, "Hello");
  EXPECT_GT(Ink(20, 28, 70, 45), 20);
  EXPECT_EQ(Ink(0, 0, 19, kH), 0);
  EXPECT_EQ(Ink(20, 0, kW, 27), 0); // nothing below the baseline for "Hello"
  GLfloat colour[4];
  glGetFloatv(GL_CURRENT_COLOR, colour);
  EXPECT_EQ(colour[0], 0.0f);
  GLfloat raster[4];
  glGetFloatv(GL_CURRENT_RASTER_POSITION, raster);
  EXPECT_GT(raster[0], 20 + 5 * 5); // the pen moved past five glyphs
  EXPECT_EQ(raster[0], std::floor(raster[0]));

  // An empty text sets only the colour and the raster position.
  glColor3f(0, 1, 0);
  glClear(GL_COLOR_BUFFER_BIT);
  DrawLabel(0, 7, 9, "");
  EXPECT_EQ(Ink(0, 0, kW, kH), 0);
  glGetFloatv(GL_CURRENT_RASTER_POSITION, raster);
  EXPECT_EQ(raster[0], 7.0f);
  EXPECT_EQ(raster[1], 9.0f);
  glGetFloatv(GL_CURRENT_COLOR, colour);
  EXPECT_EQ(colour[1], 0.0f);
  // The list base is restored.
  glListBase(42);
  DrawLabel(0, 7, 9, "x");
  GLint listBase = 0;
  glGetIntegerv(GL_LIST_BASE, &listBase);
  EXPECT_EQ(listBase, 42);
}

TEST_F(GlTextTest, OutlineTextColourAndListBaseStayAsSet) {
  glPushMatrix();
  DrawOutlineText(TitleFontBase, "A", 1, 1, 0, {0, 0, 1, 0}, 255 * 65536); // blue
  glPopMatrix();
  GLfloat colour[4];
  glGetFloatv(GL_CURRENT_COLOR, colour);
  EXPECT_EQ(colour[2], 1.0f);
  EXPECT_EQ(colour[0], 0.0f);
  GLint listBase = 0;
  glGetIntegerv(GL_LIST_BASE, &listBase);
  EXPECT_EQ(static_cast<uint32_t>(listBase), TitleFontBase);
  // Without a colour the current colour is used.
  glColor3f(0, 1, 0);
  DrawOutlineText(TitleFontBase, "A", 1, 1, 0, {0, 0, 1, 0});
  glGetFloatv(GL_CURRENT_COLOR, colour);
  EXPECT_EQ(colour[1], 1.0f);
  // The matrix is restored.
  GLint depth = 0;
  glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
  EXPECT_EQ(depth, 1);
}

TEST_F(GlTextTest, TextRecordedIntoADisplayListDrawsWhole) {
  const GLuint list = glGenLists(1);
  glNewList(list, GL_COMPILE);
  glPushMatrix();
  glScalef(30, 30, 30);
  DrawOutlineText(TickFontBase, "xyz", 10.0f / 30, 30.0f / 30, 0, {0, 0, 1, 0}, 0);
  glPopMatrix();
  DrawLabel(0, 10, 8, "xyz");
  glEndList();
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  glClear(GL_COLOR_BUFFER_BIT);
  glCallList(list);
  glDeleteLists(list, 1);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
  const int outline = Ink(0, 25, kW, kH);
  const int bitmap = Ink(0, 0, kW, 22);
  EXPECT_GT(outline, 50);
  EXPECT_GT(bitmap, 10);
  // Compare with drawing straight away: the same pixels.
  glClear(GL_COLOR_BUFFER_BIT);
  glPushMatrix();
  glScalef(30, 30, 30);
  DrawOutlineText(TickFontBase, "xyz", 10.0f / 30, 30.0f / 30, 0, {0, 0, 1, 0}, 0);
  glPopMatrix();
  DrawLabel(0, 10, 8, "xyz");
  EXPECT_EQ(Ink(0, 25, kW, kH), outline);
  EXPECT_EQ(Ink(0, 0, kW, 22), bitmap);
}

} // namespace
