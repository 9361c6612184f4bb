#include "view/axes/TickLabel.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace TickLabel {
namespace {

// Some locales group digits with no-break spaces; the scene's glyph lists hold the Windows-1252
// characters only, so every kind of blank becomes a plain one.
std::string ToSceneText(QString text) {
  for (QChar& c : text)
    if (c.isSpace()) c = QLatin1Char(' ');
  return text.toStdString();
}

} // namespace

int Decimals(float value) {
  const double v = std::fabs(static_cast<double>(value));
  double scale = 1.0;
  for (int d = 0; d <= MaxDecimals; ++d, scale *= 10.0) {
    const double scaled = v * scale;
    // The product of a step and a count carries a few units of single-precision error; a value
    // within that distance of a short decimal is that decimal.
    const double tolerance = std::max(0.00001, scaled * 4.0 * FLT_EPSILON);
    if (std::fabs(std::nearbyint(scaled) - scaled) < tolerance) return d;
  }
  return MaxDecimals;
}

std::string Number(float value, const QLocale& locale) {
  return ToSceneText(locale.toString(static_cast<double>(value), 'f', Decimals(value)));
}

std::string Tick2D(float step, int i, bool negative, const QLocale& locale) {
  const float v = step * static_cast<float>(i);
  std::string text = Number(std::fabs(v), locale);
  return negative ? "-" + text : text;
}

std::string Pi(int multiple, bool negative) {
  std::string text = multiple == 1 ? "pi" : std::to_string(multiple) + "pi";
  return negative ? "-" + text : text;
}

std::string Division(double value, const QLocale& locale) {
  std::string text = ToSceneText(locale.toString(std::fabs(value), 'f', 1));
  // A value that rounds to 0.0 reads without a sign.
  const bool zero =
      std::none_of(text.begin(), text.end(), [](char c) { return c >= '1' && c <= '9'; });
  return value < 0 && !zero ? "-" + text : text;
}

std::string Whole(long long value) { return std::to_string(value); }

} // namespace TickLabel
