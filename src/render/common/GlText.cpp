#include "render/common/GlText.h"

#include <FTGL/ftgl.h>
#include <GL/gl.h>
#include <fontconfig/fontconfig.h>

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cmath>
#include <memory>
#include <vector>

#include "model/GraphPoint.h"
#include "model/ProgramState.h"
#include "platform/NumberText.h"
#include "platform/Prompter.h"

namespace {

// Outline glyphs are generated at this many pixels per em and scaled down to 1 unit per em, so
// that the outlines keep their shape (at 1 pixel per em the hinting would square them off).
constexpr unsigned OutlineGenerationSize = 64;
constexpr float OutlineDepth = 0.1f; // extrusion, in ems
constexpr int BitmapPixelsPerEm = 12;

// The faces the program names and the families that stand in for them here.
std::string FamilyFor(const std::string& faceName) {
  QString f = QString::fromStdString(faceName).trimmed();
  if (f.compare("Arial", Qt::CaseInsensitive) == 0) return "Liberation Sans";
  if (f.compare("Verdana", Qt::CaseInsensitive) == 0) return "DejaVu Sans";
  return faceName;
}

void ReportFontFailure() { MsgBox("Unable to create font", MsgButtons::OK, MsgIcon::Critical); }

// Forgets GL errors left by earlier work, so that a check after building sees only our own.
void DiscardGlErrors() {
  for (int i = 0; i < 32 && glGetError() != GL_NO_ERROR; ++i) {
  }
}

// Records one character into an open list: the glyph drawn at the pen position, then the pen
// moved past it.
template <typename DrawGlyph, typename MovePen>
void RecordGlyphs(GLuint base, FTFont& font, DrawGlyph draw, MovePen move) {
  for (int code = 0; code < GlyphListCount; ++code) {
    glNewList(base + static_cast<GLuint>(code), GL_COMPILE);
    const char32_t ch = GlyphCharacter(static_cast<uint8_t>(code));
    if (ch != 0) {
      const wchar_t text[2] = {static_cast<wchar_t>(ch), 0};
      draw(text);
      move(font.Advance(text));
    }
    glEndList();
  }
}

// One glyph as glBitmap takes it: rows from the bottom up, most significant bit first, rows of
// whole bytes; the origin is the pen position on the baseline.
struct BitmapGlyph {
  GLsizei width = 1, height = 1;
  float xorig = 0.0f, yorig = 0.0f, advance = 0.0f;
  std::vector<GLubyte> bits = std::vector<GLubyte>(1, 0);
};

BitmapGlyph RasteriseGlyph(const QFont& font, const QFontMetrics& metrics, char32_t ch) {
  BitmapGlyph g;
  const QString text = QString::fromUcs4(&ch, 1);
  g.advance = static_cast<float>(metrics.horizontalAdvance(text));
  const QRect box = metrics.boundingRect(text);
  if (box.isEmpty()) return g; // a blank: a single clear bit that only moves the pen
  const int w = box.width() + 2, h = box.height() + 2;
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  const int penX = 1 - box.left(), baseline = 1 - box.top(); // from the image's top
  {
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.drawText(penX, baseline, text);
  }
  const int rowBytes = (w + 7) / 8;
  g.width = w;
  g.height = h;
  g.bits.assign(static_cast<size_t>(rowBytes * h), 0);
  for (int row = 0; row < h; ++row) {
    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(h - 1 - row));
    for (int x = 0; x < w; ++x)
      if (qGray(line[x]) < 128)
        g.bits[static_cast<size_t>(row * rowBytes + x / 8)] |= 0x80 >> (x % 8);
  }
  g.xorig = static_cast<float>(penX);
  g.yorig = static_cast<float>(h - baseline);
  return g;
}

} // namespace

char32_t GlyphCharacter(uint8_t code) {
  if (code < 32 || code == 127) return 0;
  const char byte = static_cast<char>(code);
  const std::string utf8 = NumberText::Cp1252ToUtf8(std::string_view(&byte, 1));
  const std::u32string u =
      QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toStdU32String();
  if (u.size() != 1) return 0;
  if (u[0] >= 0x80 && u[0] <= 0x9F) return 0; // the five codes Windows-1252 leaves unassigned
  return u[0];
}

std::string FindFontFile(const std::string& faceName, int32_t weight, bool italic) {
  if (!FcInit()) return {};
  FcPattern* pattern = FcPatternCreate();
  if (!pattern) return {};
  const std::string family = FamilyFor(faceName);
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, weight >= 600 ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  std::string path;
  if (match) {
    FcChar8* file = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file)
      path = reinterpret_cast<const char*>(file);
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pattern);
  return path;
}

void SetGlColor(int32_t colour) {
  float red = 0.0f, green = 0.0f, blue = 0.0f;
  ColorToRgb(colour, red, green, blue);
  glColor3f(red, green, blue);
}

bool BuildOutlineFont(uint32_t& listBase, const std::string& faceName, int32_t /*height*/,
                      int32_t weight, bool italic, int32_t colour) {
  listBase = 0;
  SetGlColor(colour);
  const std::string file = FindFontFile(faceName, weight, italic);
  std::unique_ptr<FTExtrudeFont> font;
  if (!file.empty()) font = std::make_unique<FTExtrudeFont>(file.c_str());
  if (!font || font->Error() || !font->FaceSize(OutlineGenerationSize, 72)) {
    ReportFontFailure();
    return false;
  }
  // The glyph geometry goes into our lists; FTGL's own per-glyph lists would be nested lists.
  font->UseDisplayList(false);
  font->Depth(OutlineDepth * static_cast<float>(OutlineGenerationSize));
  font->CharMap(ft_encoding_unicode);
  DiscardGlErrors();
  const GLuint base = glGenLists(GlyphListCount);
  if (base == 0) {
    ReportFontFailure();
    return false;
  }
  const float unit = 1.0f / static_cast<float>(OutlineGenerationSize);
  RecordGlyphs(
      base, *font,
      [&](const wchar_t* text) {
        glPushMatrix();
        glScalef(unit, unit, unit);
        font->Render(text);
        glPopMatrix();
      },
      [&](float advance) { glTranslatef(advance * unit, 0.0f, 0.0f); });
  if (font->Error() || glGetError() != GL_NO_ERROR) {
    glDeleteLists(base, GlyphListCount);
    ReportFontFailure();
    return false;
  }
  listBase = base;
  return true;
}

bool BuildBitmapFont() {
  BitmapFontBase = 0;
  // The bitmaps are drawn by Qt's text rasteriser from the file fontconfig chooses: FTGL's bitmap
  // glyphs position themselves with empty glBitmap calls, which GL drops from display lists.
  const std::string file = FindFontFile("Verdana", 400, false);
  const int id =
      file.empty() ? -1 : QFontDatabase::addApplicationFont(QString::fromStdString(file));
  const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
  if (families.isEmpty()) {
    ReportFontFailure();
    return false;
  }
  QFont font(families.first());
  font.setPixelSize(static_cast<int>(BitmapPixelsPerEm));
  font.setWeight(QFont::Normal);
  font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
  font.setHintingPreference(QFont::PreferFullHinting);
  const QFontMetrics metrics(font);

  DiscardGlErrors();
  const GLuint base = glGenLists(GlyphListCount);
  if (base == 0) {
    ReportFontFailure();
    return false;
  }
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
  glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
  glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
  glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
  glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_FALSE);
  for (int code = 0; code < GlyphListCount; ++code) {
    const char32_t ch = GlyphCharacter(static_cast<uint8_t>(code));
    glNewList(base + static_cast<GLuint>(code), GL_COMPILE);
    if (ch != 0) {
      const BitmapGlyph g = RasteriseGlyph(font, metrics, ch);
      // One bitmap per glyph: placed by its origin, then the pen moves on by the advance.
      glBitmap(g.width, g.height, g.xorig, g.yorig, g.advance, 0.0f, g.bits.data());
    }
    glEndList();
  }
  glPopClientAttrib();
  if (glGetError() != GL_NO_ERROR) {
    glDeleteLists(base, GlyphListCount);
    ReportFontFailure();
    return false;
  }
  BitmapFontBase = base;
  return true;
}

void BuildOutlineFonts() {
  BuildOutlineFont(TickFontBase, "Arial", -10, 400, false, 0);
  BuildOutlineFont(TitleFontBase, "Arial", -12, 700, false, 0);
}

void BuildSceneFonts() {
  BuildOutlineFonts();
  BuildBitmapFont();
}

void ReleaseGlyphLists(uint32_t& listBase) {
  if (listBase != 0) glDeleteLists(listBase, GlyphListCount);
  listBase = 0;
}

void DrawOutlineText(uint32_t listBase, const std::string& text, float x, float y, float z,
                     const std::array<float, 4>& rotation, std::optional<int32_t> colour) {
  glPushMatrix();
  glListBase(listBase);
  glTranslatef(x, y, z);
  glScalef(0.8f, 0.8f, 0.8f);
  glRotatef(rotation[0], rotation[1], rotation[2], rotation[3]);
  if (colour) SetGlColor(*colour);
  const std::string codes = NumberText::Utf8ToCp1252(text);
  if (!codes.empty())
    glCallLists(static_cast<GLsizei>(codes.size()), GL_UNSIGNED_BYTE, codes.data());
  glPopMatrix();
}

void DrawLabel(float z, float x, float y, const std::string& text) {
  glColor3f(0.0f, 0.0f, 0.0f);
  glRasterPos3f(x, y, z);
  if (text.empty()) return;
  const std::string codes = NumberText::Utf8ToCp1252(text);
  glPushAttrib(GL_LIST_BIT);
  glListBase(BitmapFontBase);
  glCallLists(static_cast<GLsizei>(codes.size()), GL_UNSIGNED_BYTE, codes.data());
  glPopAttrib();
}
