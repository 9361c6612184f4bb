#include "formula/PostfixTokens.h"

#include <stdexcept>

namespace {

void Check(bool inside) {
  if (!inside) throw std::out_of_range("Subscript out of range");
}

} // namespace

void PostfixTokens::Push(int32_t Index, int16_t Rank, const std::string& Data) {
  Check(Index >= 0 && Index <= ElementCount());
  tokens_.insert(tokens_.begin() + Index, Token{Rank, Data});
}

void PostfixTokens::Kill(int32_t Index, int32_t Num) {
  Check(Index >= 0 && Num >= 0 && Index + Num <= ElementCount());
  tokens_.erase(tokens_.begin() + Index, tokens_.begin() + Index + Num);
}

int16_t PostfixTokens::GetRank(int32_t Index) const {
  Check(Index >= 0 && Index < ElementCount());
  return tokens_[static_cast<size_t>(Index)].rank;
}

const std::string& PostfixTokens::GetData(int32_t Index) const {
  Check(Index >= 0 && Index < ElementCount());
  return tokens_[static_cast<size_t>(Index)].data;
}

std::string PostfixTokens::Text() const {
  std::string s;
  for (const Token& t : tokens_) {
    if (!s.empty()) s += ' ';
    s += t.data;
  }
  return s;
}
