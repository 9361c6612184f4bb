#include "platform/NumberText.h"

#include <QLocale>

#include <cmath>
#include <cstdio>
#include <limits>

namespace NumberText {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Copy of the text without blanks, which a number may hold anywhere ("1 000" reads 1000).
std::string WithoutBlanks(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text)
    if (!IsBlank(c)) s.push_back(c);
  return s;
}

std::optional<double> RadixNumber(const std::string& s, size_t pos, int radix) {
  uint64_t value = 0;
  size_t digits = 0;
  for (; pos < s.size(); ++pos) {
    char c = s[pos];
    int d;
    if (c >= '0' && c <= '9')
      d = c - '0';
    else if (radix == 16 && c >= 'a' && c <= 'f')
      d = c - 'a' + 10;
    else if (radix == 16 && c >= 'A' && c <= 'F')
      d = c - 'A' + 10;
    else
      break;
    if (d >= radix) break;
    if (value <= 0xFFFFFFFFull) value = value * radix + d;
    ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (value > 0xFFFFFFFFull) return static_cast<double>(value);
  // Hexadecimal and octal literals are 16-bit when they fit in 16 bits, else 32-bit, and signed.
  if (value <= 0xFFFF) return static_cast<double>(static_cast<int16_t>(value));
  return static_cast<double>(static_cast<int32_t>(static_cast<uint32_t>(value)));
}

} // namespace

std::optional<double> LeadingNumber(std::string_view text) {
  const std::string s = WithoutBlanks(text);
  size_t i = 0;
  if (s.size() >= 2 && s[0] == '&') {
    if (s[1] == 'H' || s[1] == 'h') return RadixNumber(s, 2, 16);
    if (s[1] == 'O' || s[1] == 'o') return RadixNumber(s, 2, 8);
    return std::nullopt;
  }
  std::string number;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) number.push_back(s[i++]);
  size_t mantissaDigits = 0;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
    number.push_back(s[i++]);
    ++mantissaDigits;
  }
  if (i < s.size() && s[i] == '.') {
    number.push_back(s[i++]);
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
      number.push_back(s[i++]);
      ++mantissaDigits;
    }
  }
  if (mantissaDigits == 0) return std::nullopt;
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
    size_t j = i + 1;
    std::string exponent = "e";
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent.push_back(s[j++]);
    size_t expDigits = 0;
    while (j < s.size() && s[j] >= '0' && s[j] <= '9') {
      exponent.push_back(s[j++]);
      ++expDigits;
    }
    if (expDigits > 0) number += exponent;
  }
  return std::strtod(number.c_str(), nullptr);
}

double LeadingValue(std::string_view text) { return LeadingNumber(text).value_or(0.0); }

std::optional<double> NumericText(std::string_view text) {
  auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front()))
    text.remove_prefix(1);
  while (!text.empty() && blank(text.back()))
    text.remove_suffix(1);
  auto digitsOf = [](std::string_view s, int radix) {
    if (s.empty()) return false;
    for (char c : s) {
      const int d = c >= '0' && c <= '9'   ? c - '0'
                    : c >= 'a' && c <= 'f' ? c - 'a' + 10
                    : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                           : 99;
      if (d >= radix) return false;
    }
    return true;
  };
  if (text.size() >= 2 && text[0] == '&') {
    const char kind = text[1];
    const int radix = kind == 'H' || kind == 'h' ? 16 : kind == 'O' || kind == 'o' ? 8 : 0;
    if (radix == 0 || !digitsOf(text.substr(2), radix)) return std::nullopt;
    return LeadingNumber(text);
  }
  size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = 0;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9')
    ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
      ++i, ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t exponentDigits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
      ++i, ++exponentDigits;
    if (exponentDigits == 0) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  const std::optional<double> value = LeadingNumber(text);
  if (!value || !std::isfinite(*value)) return std::nullopt;
  return value;
}

double RoundHalfEven(double value) {
  if (!std::isfinite(value)) return value;
  return std::nearbyint(value); // the default rounding mode rounds halves to even
}

std::optional<int32_t> ToLong(double value) {
  double r = RoundHalfEven(value);
  if (!(r >= -2147483648.0 && r <= 2147483647.0)) return std::nullopt;
  return static_cast<int32_t>(r);
}

int32_t ToLongClamped(double value) {
  if (std::isnan(value)) return 0;
  double r = RoundHalfEven(value);
  if (r < -2147483648.0) return std::numeric_limits<int32_t>::min();
  if (r > 2147483647.0) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(r);
}

std::string FormatSingle(float value, char decimalSeparator) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "Inf" : "-Inf";
  if (value == 0.0f) return "0";
  char buf[64];
  // Seven significant digits of the single value: d.dddddde+XX
  std::snprintf(buf, sizeof buf, "%.6e", static_cast<double>(value));
  std::string s(buf);
  bool negative = s[0] == '-';
  if (negative) s.erase(0, 1);
  std::string digits;
  digits.push_back(s[0]);
  digits += s.substr(2, 6);
  int exponent = std::atoi(s.c_str() + 9);
  while (digits.size() > 1 && digits.back() == '0')
    digits.pop_back();

  std::string out = negative ? "-" : "";
  if (exponent >= 7 || exponent < -4) {
    out.push_back(digits[0]);
    if (digits.size() > 1) {
      out.push_back(decimalSeparator);
      out += digits.substr(1);
    }
    char e[16];
    std::snprintf(e, sizeof e, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
    out += e;
  } else if (exponent < 0) {
    out += "0";
    out.push_back(decimalSeparator);
    out += std::string(static_cast<size_t>(-exponent - 1), '0');
    out += digits;
  } else {
    size_t intDigits = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= intDigits) {
      out += digits + std::string(intDigits - digits.size(), '0');
    } else {
      out += digits.substr(0, intDigits);
      out.push_back(decimalSeparator);
      out += digits.substr(intDigits);
    }
  }
  return out;
}

char LocaleDecimalSeparator() {
  const QString point = QLocale().decimalPoint();
  return point == "," ? ',' : '.';
}

std::string FormatSingleLocale(float value) {
  return FormatSingle(value, LocaleDecimalSeparator());
}

namespace {
// Unicode code points of the Windows-1252 bytes 0x80 .. 0x9F (0 where the byte is unassigned).
constexpr char32_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}
} // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (unsigned char b : bytes) {
    char32_t cp = b;
    if (b >= 0x80 && b <= 0x9F) cp = kCp1252High[b - 0x80] ? kCp1252High[b - 0x80] : b;
    AppendUtf8(out, cp);
  }
  return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  size_t i = 0;
  while (i < utf8.size()) {
    unsigned char c = static_cast<unsigned char>(utf8[i]);
    char32_t cp;
    size_t len;
    if (c < 0x80) {
      cp = c;
      len = 1;
    } else if ((c & 0xE0) == 0xC0 && i + 1 < utf8.size()) {
      cp = ((c & 0x1F) << 6) | (utf8[i + 1] & 0x3F);
      len = 2;
    } else if ((c & 0xF0) == 0xE0 && i + 2 < utf8.size()) {
      cp = ((c & 0x0F) << 12) | ((utf8[i + 1] & 0x3F) << 6) | (utf8[i + 2] & 0x3F);
      len = 3;
    } else if ((c & 0xF8) == 0xF0 && i + 3 < utf8.size()) {
      cp = 0x10000; // outside Windows-1252 whatever it is
      len = 4;
    } else {
      cp = '?';
      len = 1;
    }
    i += len;
    // The five bytes Windows-1252 leaves unassigned travel as the C1 controls of the same value.
    bool unassigned = cp >= 0x80 && cp <= 0x9F && kCp1252High[cp - 0x80] == 0;
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF) || unassigned) {
      out.push_back(static_cast<char>(cp));
      continue;
    }
    char mapped = '?';
    for (int k = 0; k < 32; ++k)
      if (kCp1252High[k] == cp && cp != 0) mapped = static_cast<char>(0x80 + k);
    out.push_back(mapped);
  }
  return out;
}

} // namespace NumberText
