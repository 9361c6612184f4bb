#pragma once
// The token level of the document text: the writer that appends values in their text forms, the
// tokenizer, and the reader that takes tokens back with the conversions of the document reader.
//
// Every token is followed by one blank; there is no other separator. Integers and reals are plain
// decimal texts ("." as decimal point, reals to 7 significant digits), Booleans "1" and "0", and
// names are written between two "@", so a name with blanks spans several tokens. A formula is one
// token; a formula that holds a blank (or begins with "@") is written between "@" like a name so
// that it comes back whole.

#include "platform/Errors.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Appends tokens to a text.
class TokenWriter {
public:
  void Integer(int32_t value);
  void Real(float value);
  void Boolean(bool value);
  void Formula(std::string_view text);
  void Name(std::string_view text);
  // A token written as given (header tokens).
  void Raw(std::string_view token);

  const std::string& Text() const { return text_; }
  // The text without the blank after its last token (the end of a document).
  std::string TextWithoutLastBlank() const;

private:
  std::string text_;
};

// The text form of a single-precision value in documents ("0.15", "-2.5", "1E+20"); non-finite
// values, which have no such form, are written as the nearest finite value (NaN as 0).
std::string RealToken(float value);

// Cuts a text at every blank (the space character only): two blanks in a row enclose an empty
// token, a trailing blank adds no token.
std::vector<std::string> Tokenize(std::string_view text);

// A token that cannot be read as the document needs it: the reader stops and reports this text.
class TokenError : public CorvalinError {
public:
  using CorvalinError::CorvalinError;
};
// The text ended where a field should follow.
class TextEndedError : public TokenError {
public:
  using TokenError::TokenError;
};

// Takes tokens one by one, straight from the text (no token list is built), with the conversions
// of the document reader. A read past the last token, and a token that cannot stand for its field
// at all (a number outside its type), raise TokenError with a message that names the field.
class TokenReader {
public:
  // The text must outlive the reader.
  explicit TokenReader(std::string_view text) : text_(text) {}

  // How many tokens have been taken.
  size_t Position() const { return taken_; }
  bool AtEnd() const { return at_ >= text_.size(); }
  // Whether nothing but blanks (empty tokens) is left.
  bool OnlyBlanksLeft() const {
    return text_.find_first_not_of(' ', at_) == std::string_view::npos;
  }
  // The next token without taking it (the empty text at the end).
  std::string_view Peek() const;
  std::string Take(const char* field);

  // The leading number of the token, rounded half to even; a token without one gives 0; a number
  // outside 32 bits is an error.
  int32_t Integer(const char* field);
  // The same, and then at least min and at most max.
  int32_t Count(const char* field, int32_t min, int32_t max);
  // The leading number of the token as a single-precision value, 0 without one; a number beyond
  // the single-precision range is an error.
  float Real(const char* field);
  // True for "1" and "True"; every other token is False.
  bool Flag(const char* field);
  // True for "1" only.
  bool StrictFlag(const char* field);
  // A formula: the token itself, or, when it begins with "@", a name that may span tokens.
  std::string Formula(const char* field);
  // A name: when the next token does not begin with "@" there is none and nothing is taken
  // (false). Otherwise the tokens up to the one that ends with "@" are joined by blanks; when none
  // of the next 100 tokens ends with "@" there is no name either, and only the first is taken.
  bool Name(const char* field, std::string* value);

  // How far a name may reach for its closing "@".
  static constexpr int MaxNameTokens = 100;

private:
  // The end of the token that begins at offset from.
  size_t TokenEnd(size_t from) const;
  bool JoinedName(std::string_view first, std::string* value);

  std::string_view text_;
  size_t at_ = 0;    // offset of the next token
  size_t taken_ = 0; // tokens taken so far
};
