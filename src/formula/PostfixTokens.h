#pragma once
// An ordered list of ranked tokens: a formula in postfix order as the symbolic derivative works
// on it. Each token has a rank (its kind, and for operators its binding strength) and a text.

#include <cstdint>
#include <string>
#include <vector>

enum TokenRank : int16_t {
  RankCloseParen = 0, // ")"
  RankAddSub = 1,     // binary "+" and "-"
  RankMulDiv = 2,     // "*", "/" and the "-" of a sign
  RankPower = 3,      // "^"
  RankFunction = 4,   // function names, MIN and "Log"
  RankOperand = 5,    // numbers and the variables x, y, a, r, u
  RankOpenParen = 6,  // "("
};

class PostfixTokens {
public:
  struct Token {
    int16_t rank;
    std::string data;
    bool operator==(const Token&) const = default;
  };

  // Number of tokens.
  int32_t ElementCount() const { return static_cast<int32_t>(tokens_.size()); }
  void Clear() { tokens_.clear(); }
  // Inserts a token at Index (0 .. ElementCount); later tokens move up by one.
  void Push(int32_t Index, int16_t Rank, const std::string& Data);
  // Removes Num tokens from Index on; later tokens move down.
  void Kill(int32_t Index, int32_t Num);
  // Rank and text of the token at Index; std::out_of_range outside 0 .. ElementCount - 1.
  int16_t GetRank(int32_t Index) const;
  const std::string& GetData(int32_t Index) const;

  // Appends a token at the end.
  void Append(int16_t rank, std::string data) { tokens_.push_back({rank, std::move(data)}); }
  const std::vector<Token>& Tokens() const { return tokens_; }
  std::vector<Token>& Tokens() { return tokens_; }
  // The token texts joined by blanks (for messages and tests).
  std::string Text() const;

  bool operator==(const PostfixTokens&) const = default;

private:
  std::vector<Token> tokens_;
};
