#include "document/DocumentTokens.h"

#include <cmath>
#include <limits>

#include "platform/VbRuntime.h"

namespace {

const std::string EmptyToken;

bool NeedsAtForm(std::string_view formula) {
  return formula.find(' ') != std::string_view::npos || (!formula.empty() && formula[0] == '@');
}

std::string Quoted(const std::string& token) {
  constexpr size_t Shown = 40;
  if (token.size() <= Shown) return "\"" + token + "\"";
  return "\"" + token.substr(0, Shown) + "...\"";
}

} // namespace

std::string RealToken(float value) {
  if (std::isnan(value)) value = 0.0f;
  if (std::isinf(value))
    value = value > 0 ? std::numeric_limits<float>::max() : -std::numeric_limits<float>::max();
  return vb::FormatSingle(value, '.');
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

const std::string& TokenReader::Peek() const {
  return pos_ < tokens_.size() ? tokens_[pos_] : EmptyToken;
}

std::string TokenReader::Take(const char* field) {
  if (pos_ >= tokens_.size())
    throw TokenError(std::string("the text ends where ") + field + " should follow");
  return tokens_[pos_++];
}

int32_t TokenReader::Integer(const char* field) {
  const std::string token = Take(field);
  auto number = vb::LeadingNumber(token);
  if (!number) throw TokenError(std::string(field) + " is not a number: " + Quoted(token));
  auto value = vb::ToLong(*number);
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
  auto number = vb::LeadingNumber(token);
  if (!number) throw TokenError(std::string(field) + " is not a number: " + Quoted(token));
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
  std::string token = Take(field);
  if (token.empty() || token[0] != '@') return token;
  return JoinedName(std::move(token), field);
}

bool TokenReader::Name(const char* field, std::string* value) {
  const std::string& next = Peek();
  if (next.empty() || next[0] != '@') return false;
  *value = JoinedName(Take(field), field);
  return true;
}

std::string TokenReader::JoinedName(std::string first, const char* field) {
  if (first.size() >= 2 && first.back() == '@') return first.substr(1, first.size() - 2);
  std::string value = first.substr(1);
  for (;;) {
    if (pos_ >= tokens_.size())
      throw TokenError(std::string("the text ends inside ") + field +
                       ", which has no closing \"@\"");
    const std::string& token = tokens_[pos_++];
    value.push_back(' ');
    if (!token.empty() && token.back() == '@') {
      value.append(token, 0, token.size() - 1);
      return value;
    }
    value += token;
  }
}
