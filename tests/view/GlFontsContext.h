#pragma once
// A test GL context with the scene's three fonts built in it, released again with the context.

#include "render/common/GlText.h"
#include "support/GlTestContext.h"

class GlFontsContext : public GlTestContext {
public:
  GlFontsContext(int width, int height) : GlTestContext(width, height) {
    if (Valid()) BuildSceneFonts();
  }
  ~GlFontsContext() {
    MakeCurrent();
    ReleaseGlyphLists(TickFontBase);
    ReleaseGlyphLists(TitleFontBase);
    ReleaseGlyphLists(BitmapFontBase);
  }
};
