#include "formula/FormulaText.h"

#include <string_view>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The loop the cleaners share: allowed characters are kept, blanks dropped, "," becomes ".",
// any other character stops the loop (false).
bool Clean(const std::string& input, std::string& cleaned, std::string_view allowed, bool letters) {
  cleaned.clear();
  for (char c : input) {
    if (c == ' ') continue;
    if (c == ',') {
      cleaned.push_back('.');
    } else if (IsDigit(c) || allowed.find(c) != std::string_view::npos ||
               (letters && IsLetter(c))) {
      cleaned.push_back(c);
    } else {
      return false;
    }
  }
  return true;
}

constexpr std::string_view kNumberChars = "-Ee.";
constexpr std::string_view kExpressionChars = "-.+*/^()";

} // namespace

std::string InsertImplicitProducts(const std::string& formula) {
  if (formula.size() == 1) return formula;
  if (formula.empty()) return "*";
  std::string out;
  out.reserve(formula.size() + formula.size() / 2);
  const std::string_view rule3Letters = "abnrtxyziABNRTXYZI";
  const std::string_view rule3Before = "+-*/^()pP";
  for (size_t i = 0; i + 1 < formula.size(); ++i) {
    const char c = formula[i];
    const char n = formula[i + 1];
    bool product = false;
    if ((IsDigit(c) || c == ')') && (IsLetter(n) || n == '(')) product = true;
    if (c == ')' && (IsDigit(n) || n == '.' || n == ',')) product = true;
    if (rule3Letters.find(c) != std::string_view::npos &&
        (IsDigit(n) || n == '.' || n == ',' || n == '(')) {
      if (i == 0) {
        product = true;
      } else {
        const char p = formula[i - 1];
        if (IsDigit(p) || rule3Before.find(p) != std::string_view::npos) product = true;
      }
    }
    out.push_back(c);
    if (product) out.push_back('*');
  }
  out.push_back(formula.back());
  return out;
}

std::string FoldSigns(const std::string& formula) {
  std::string out;
  out.reserve(formula.size());
  for (size_t i = 0; i < formula.size(); ++i) {
    const char c = formula[i];
    const char n = i + 1 < formula.size() ? formula[i + 1] : '\0';
    if (c == '+' && n == '-') {
      out.push_back('-');
      ++i;
    } else if (c == '-' && n == '-') {
      out.push_back('+');
      ++i;
    } else {
      out.push_back(c);
    }
  }
  return out;
}

bool CleanNumberText(const std::string& input, std::string& cleaned) {
  if (input.empty() || input == " ") {
    cleaned = "0";
    return true;
  }
  return Clean(input, cleaned, kNumberChars, false);
}

bool CleanExpressionText(const std::string& input, std::string& cleaned) {
  if (input.empty() || input == " ") {
    cleaned = "0";
    return true;
  }
  return Clean(input, cleaned, kExpressionChars, true);
}

std::string StripExpressionText(const std::string& input) {
  if (input.empty() || input == " ") return "";
  std::string cleaned;
  return Clean(input, cleaned, kExpressionChars, true) ? cleaned : std::string();
}
