#pragma once
// Text in the OpenGL scene. Three glyph sets are built once per GL context as display lists, one
// list per Windows-1252 character code 0..255 (list base + code draws that character and moves
// the drawing position past it):
//  - TickFontBase, TitleFontBase: extruded outline glyphs (depth 0.1, 1 unit per em, with normals,
//    so they are lit like geometry), for tick labels and axis titles of the 3D axes;
//  - BitmapFontBase: bitmap glyphs, 12 pixels per em, drawn at the raster position and always
//    facing the viewer, for flat texts (DrawLabel).
// The list bases live in ProgramState.h. Texts are UTF-8 in the program and drawn as their
// Windows-1252 codes; a character without such a code is drawn as "?".
//
// Fonts come from fontconfig: the face names the program asks for are mapped to the metric
// equivalents shipped with the system ("Arial" -> "Liberation Sans", "Verdana" -> "DejaVu Sans").
// Outline glyphs are made by FTGL (with its own glyph lists off, since ours hold them); bitmap
// glyphs are rasterised by Qt from the same font file, one glBitmap per glyph.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// Number of glyph lists in each set.
inline constexpr int GlyphListCount = 256;

// The font file that fontconfig chooses for a face name, weight (400 normal, 700 bold) and slant;
// empty when fontconfig finds none.
std::string FindFontFile(const std::string& faceName, int32_t weight, bool italic);

// Builds 256 outline glyph lists of the face and stores their first name in listBase (0 when it
// fails). The current GL colour is set to colour first. height only selects the font (the glyphs
// are 1 unit per em whatever it is). On failure it shows "Unable to create font" (critical icon),
// frees what it reserved and returns false. The context must be current and no list open.
bool BuildOutlineFont(uint32_t& listBase, const std::string& faceName, int32_t height,
                      int32_t weight, bool italic, int32_t colour);

// Builds the 256 bitmap glyph lists of "Verdana", 12 pixels per em, into BitmapFontBase. Reports
// failure like BuildOutlineFont.
bool BuildBitmapFont();

// Builds the two outline sets of the 3D axes' texts (Arial -10/400 into TickFontBase, Arial
// -12/700 into TitleFontBase). A set that fails is reported and skipped.
void BuildOutlineFonts();

// Builds the three sets the scene uses (Arial -10/400 into TickFontBase, Arial -12/700 into
// TitleFontBase, the bitmap font into BitmapFontBase). A set that fails is reported and skipped.
void BuildSceneFonts();

// Deletes a glyph set of the current context and sets its base to 0.
void ReleaseGlyphLists(uint32_t& listBase);

// Draws text with the outline lists of listBase: the text is turned by rotation (angle in degrees,
// then the axis x, y, z), scaled by 0.8 and placed at (x, y, z); the current matrix is restored
// afterwards. With a colour (blue * 65536 + green * 256 + red) that becomes the current colour;
// without one the current colour is used. The list base stays set to listBase.
void DrawOutlineText(uint32_t listBase, const std::string& text, float x, float y, float z,
                     const std::array<float, 4>& rotation,
                     std::optional<int32_t> colour = std::nullopt);

// Draws text in black with the bitmap lists, starting at the raster position (x, y, z). Note the
// argument order: z first. An empty text only sets the colour and the raster position. The list
// base is saved and restored.
void DrawLabel(float z, float x, float y, const std::string& text);

// The bytes of a colour value (blue * 65536 + green * 256 + red).
inline int32_t BlueOf(int32_t colour) { return (colour / 65536) & 0xFF; }
inline int32_t GreenOf(int32_t colour) { return (colour / 256) & 0xFF; }
inline int32_t RedOf(int32_t colour) { return colour & 0xFF; }

// Makes a colour value the current GL colour.
void SetGlColor(int32_t colour);

// The Unicode character that a Windows-1252 code stands for; 0 for the codes that have none and
// for the control codes below 32 and 127 (which draw nothing).
char32_t GlyphCharacter(uint8_t code);
