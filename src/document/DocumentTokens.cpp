#include "document/DocumentTokens.h"

#include <cctype>
#include <cmath>
#include <limits>

#include "platform/NumberText.h"

namespace {

bool NeedsAtForm(std::string_view formula) {
  return formula.find(' ') != std::string_view::npos || (!formula.empty() && formula[0] == '@');
}

std::string Quoted(const std::string& token) {
  constexpr size_t Shown = 40;
  if (token.size() <= Shown) return "\"" + token + "\"";
  return "\"" + token.substr(0, Shown) + "...\"";
}

// "nan", "inf" or "infinity" in any case, with an optional sign: the words C and other programs
// write for values that are not finite.
bool NamesNonFiniteValue(std::string_view token) {
  if (!token.empty() && (token[0] == '+' || token[0] == '-')) token.remove_prefix(1);
  std::string lower(token);
  for (char& c : lower)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower == "nan" || lower == "inf" || lower == "infinity";
}

} // namespace

std::string RealToken(float value) {
  if (std::isnan(value)) value = 0.0f;
  if (std::isinf(value))
    value = value > 0 ? std::numeric_limits<float>::max() : -std::numeric_limits<float>::max();
  return NumberText::FormatSingle(value, '.');
}

void TokenWriter::Integer(int32_t value) {
  text_ += std::to_string(value);
  text_.push_back(' ');
}

void TokenWriter::Real(float value) {
  text_ += RealToken(value);
  text_.push_back(' ');
}

void TokenWriter::Boolean(bool value) { text_ += value ? "1 " : "0 "; }

void TokenWriter::Formula(std::string_view text) {
  if (NeedsAtForm(text)) {
    Name(text);
    return;
  }
  text_ += text;
  text_.push_back(' ');
}

void TokenWriter::Name(std::string_view text) {
  text_.push_back('@');
  text_ += text;
  text_ += "@ ";
}

void TokenWriter::Raw(std::string_view token) {
  text_ += token;
  text_.push_back(' ');
}

std::string TokenWriter::TextWithoutLastBlank() const {
  if (!text_.empty() && text_.back() == ' ') return text_.substr(0, text_.size() - 1);
  return text_;
}

std::vector<std::string> Tokenize(std::string_view text) {
  std::vector<std::string> tokens;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ' ') {
      tokens.emplace_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  if (start < text.size()) tokens.emplace_back(text.substr(start));
  return tokens;
}

size_t TokenReader::TokenEnd(size_t from) const {
  const size_t blank = text_.find(' ', from);
  return blank == std::string_view::npos ? text_.size() : blank;
}

std::string_view TokenReader::Peek() const {
  if (AtEnd()) return {};
  return text_.substr(at_, TokenEnd(at_) - at_);
}

std::string TokenReader::Take(const char* field) {
  if (AtEnd()) throw TextEndedError(std::string("the text ends where ") + field + " should follow");
  const size_t end = TokenEnd(at_);
  std::string token(text_.substr(at_, end - at_));
  at_ = end < text_.size() ? end + 1 : end;
  ++taken_;
  return token;
}

int32_t TokenReader::Integer(const char* field) {
  const std::string token = Take(field);
  auto number = NumberText::LeadingNumber(token);
  if (!number) return 0;
  auto value = NumberText::ToLong(*number);
  if (!value) throw TokenError(std::string(field) + " is out of range: " + Quoted(token));
  return *value;
}

int32_t TokenReader::Count(const char* field, int32_t min, int32_t max) {
  const int32_t value = Integer(field);
  if (value < min || value > max)
    throw TokenError(std::string(field) + " is " + std::to_string(value) + ", outside " +
                     std::to_string(min) + " to " + std::to_string(max));
  return value;
}

float TokenReader::Real(const char* field) {
  const std::string token = Take(field);
  auto number = NumberText::LeadingNumber(token);
  // "nan", "inf" and "Infinity" are no numbers to the leading-number parse, but they plainly mean
  // a value no single-precision field can hold: refused as 1E400 is, not read as 0.
  if (!number && NamesNonFiniteValue(token))
    throw TokenError(std::string(field) + " is out of range: " + Quoted(token));
  if (!number) return 0.0f;
  if (!std::isfinite(*number) ||
      std::fabs(*number) > static_cast<double>(std::numeric_limits<float>::max()))
    throw TokenError(std::string(field) + " is out of range: " + Quoted(token));
  return static_cast<float>(*number);
}

bool TokenReader::Flag(const char* field) {
  const std::string token = Take(field);
  return token == "1" || token == "True";
}

bool TokenReader::StrictFlag(const char* field) { return Take(field) == "1"; }

std::string TokenReader::Formula(const char* field) {
  if (Peek().empty() || Peek()[0] != '@') return Take(field);
  std::string value;
  const std::string first = Take(field);
  // A formula whose closing "@" is missing is the token as it stands.
  return JoinedName(first, &value) ? value : first;
}

bool TokenReader::Name(const char* field, std::string* value) {
  const std::string_view next = Peek();
  if (next.empty() || next[0] != '@') return false;
  const std::string first = Take(field);
  return JoinedName(first, value);
}

bool TokenReader::JoinedName(std::string_view first, std::string* value) {
  if (first.size() >= 2 && first.back() == '@') {
    *value = std::string(first.substr(1, first.size() - 2));
    return true;
  }
  // Look ahead for the token that closes the name; only when one does are the tokens taken.
  size_t at = at_;
  std::string joined(first.substr(1));
  for (int k = 0; k < MaxNameTokens && at < text_.size(); ++k) {
    const size_t end = TokenEnd(at);
    const std::string_view token = text_.substr(at, end - at);
    joined.push_back(' ');
    at = end < text_.size() ? end + 1 : end;
    if (!token.empty() && token.back() == '@') {
      joined.append(token.substr(0, token.size() - 1));
      *value = std::move(joined);
      at_ = at;
      taken_ += static_cast<size_t>(k) + 1;
      return true;
    }
    joined.append(token);
  }
  return false;
}
