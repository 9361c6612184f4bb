#include "formula/Derivative.h"

#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "formula/FormulaParser.h"
#include "formula/FormulaTables.h"
#include "formula/FormulaText.h"
#include "platform/NumberText.h"
#include "platform/Prompter.h"

using Token = PostfixTokens::Token;

namespace {

// ---------------------------------------------------------------------------------------------
// Number texts. Derivative texts never use exponent notation, which the parser does not read.

// "[-]d[.ddd]E[+-]XX" (or a text without exponent) as plain decimal digits.
std::string ExpandExponent(const std::string& s) {
  const size_t e = s.find_first_of("Ee");
  if (e == std::string::npos) return s;
  std::string mantissa = s.substr(0, e);
  const int exponent = std::atoi(s.c_str() + e + 1);
  std::string sign;
  if (!mantissa.empty() && mantissa[0] == '-') {
    sign = "-";
    mantissa.erase(0, 1);
  }
  std::string digits;
  for (char c : mantissa)
    if (c != '.' && c != ',') digits.push_back(c);
  while (digits.size() > 1 && digits.back() == '0')
    digits.pop_back();
  if (digits == "0") return "0";
  // The mantissa has one digit before its separator.
  std::string out = sign;
  if (exponent >= 0) {
    const size_t intDigits = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= intDigits) {
      out += digits + std::string(intDigits - digits.size(), '0');
    } else {
      out += digits.substr(0, intDigits) + "." + digits.substr(intDigits);
    }
  } else {
    out += "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
  }
  return out;
}

// A number with up to 15 significant digits, "." as decimal point.
std::string Plain15(double value) {
  if (value == 0.0) return "0";
  // Beyond double precision: a number that reads back as the same overflow.
  if (!std::isfinite(value)) return "1" + std::string(310, '0');
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.14E", value);
  return ExpandExponent(buf);
}

// A single with up to 7 significant digits, "." as decimal point.
std::string Plain7(float value) { return ExpandExponent(NumberText::FormatSingle(value)); }

bool IsNumberText(const std::string& s, double& value) {
  if (s.empty()) return false;
  const char c = s[0];
  if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-')) return false;
  char* end = nullptr;
  value = std::strtod(s.c_str(), &end);
  return end == s.c_str() + s.size();
}

int16_t RankOfText(std::string_view t) {
  if (t == "+" || t == "-") return RankAddSub;
  if (t == "*" || t == "/") return RankMulDiv;
  if (t == "^") return RankPower;
  if (!t.empty() && (std::isdigit(static_cast<unsigned char>(t[0])) || t[0] == '.' ||
                     (t[0] == '-' && t.size() > 1)))
    return RankOperand;
  return RankFunction;
}

// The 25 functions that have derivatives, as ParseToTokens writes them.
constexpr std::array<std::string_view, 25> kDerivableFunctions = {
    "exp",   "sqr",   "log",   "sin",   "cos",   "tan",    "ctan",  "sec",   "csec",
    "asin",  "acos",  "atan",  "actan", "sinh",  "cosh",   "tanh",  "ctanh", "sech",
    "csech", "asinh", "acosh", "atanh", "asech", "acsech", "actanh"};

bool IsVariableText(std::string_view t) {
  return t == "x" || t == "y" || t == "a" || t == "r" || t == "u";
}

// ---------------------------------------------------------------------------------------------
// Subtree layout of a postfix list: for each position the position of its subtree's first token.
// Functions take one operand, operands none, every other rank two. Empty when the list is not a
// well-formed postfix list with one root.
std::vector<int32_t> SubtreeStarts(const std::vector<Token>& t) {
  std::vector<int32_t> start(t.size());
  std::vector<int32_t> roots;
  for (size_t i = 0; i < t.size(); ++i) {
    const int32_t k = static_cast<int32_t>(i);
    const int16_t rank = t[i].rank;
    if (rank == RankOperand) {
      start[i] = k;
    } else if (rank == RankFunction) {
      if (roots.empty()) return {};
      start[i] = start[static_cast<size_t>(roots.back())];
      roots.pop_back();
    } else {
      if (roots.size() < 2) return {};
      roots.pop_back();
      start[i] = start[static_cast<size_t>(roots.back())];
      roots.pop_back();
    }
    roots.push_back(k);
  }
  if (roots.size() != 1) return {};
  return start;
}

// ---------------------------------------------------------------------------------------------
// The rules. The derivative of a node is produced without recursion: a work stack holds what is
// still to be written (the derivative of a node, a copy of a node's tokens, or a fixed token),
// so nesting of any depth is safe. The same walk counts the tokens of a derivative in linear time
// without writing them.

class Deriver {
public:
  Deriver(const std::vector<Token>& tokens, const std::vector<int32_t>& start,
          const std::string* variable)
      : t_(tokens), start_(start), variable_(variable), varPrefix_(tokens.size() + 1, 0) {
    for (size_t i = 0; i < t_.size(); ++i)
      varPrefix_[i + 1] = varPrefix_[i] + (CountsAsVariable(t_[i].data) ? 1 : 0);
  }

  // Tokens of the derivative of the whole list.
  int64_t Count() {
    out_ = nullptr;
    count_ = 0;
    Run();
    return count_;
  }
  void Write(std::vector<Token>& out) {
    out_ = &out;
    count_ = 0;
    Run();
  }

private:
  enum Kind : uint8_t { kDerive, kCopy, kToken };
  struct Item {
    Kind kind;
    int32_t node;
    std::string text; // kToken
  };

  bool CountsAsVariable(std::string_view t) const {
    if (!variable_) return IsVariableText(t);
    return t == *variable_ || t == "a" || t == "r" || t == "u";
  }

  void Run() {
    work_.clear();
    work_.push_back({kDerive, static_cast<int32_t>(t_.size()) - 1, {}});
    while (!work_.empty()) {
      Item item = std::move(work_.back());
      work_.pop_back();
      switch (item.kind) {
      case kToken:
        ++count_;
        if (out_) out_->push_back({RankOfText(item.text), std::move(item.text)});
        break;
      case kCopy: {
        const int32_t first = start_[static_cast<size_t>(item.node)];
        count_ += item.node - first + 1;
        if (out_) out_->insert(out_->end(), t_.begin() + first, t_.begin() + item.node + 1);
        break;
      }
      case kDerive:
        Expand(item.node);
        break;
      }
    }
  }

  // Pieces of one rule, gathered in order, then pushed so that the first is taken first.
  struct Pieces {
    std::vector<Item> items;
    Pieces& D(int32_t n) {
      items.push_back({kDerive, n, {}});
      return *this;
    }
    Pieces& C(int32_t n) {
      items.push_back({kCopy, n, {}});
      return *this;
    }
    Pieces& T(std::string text) {
      items.push_back({kToken, 0, std::move(text)});
      return *this;
    }
  };

  void Expand(int32_t e) {
    if (e < 0) { // the empty list
      Emit(Pieces().T("0"));
      return;
    }
    const std::string& root = t_[static_cast<size_t>(e)].data;
    const int16_t rank = t_[static_cast<size_t>(e)].rank;
    const int32_t v = e - 1; // the right operand, or the argument
    int32_t u = -1;          // the left operand
    if (rank != RankOperand && rank != RankFunction) u = start_[static_cast<size_t>(v)] - 1;
    Pieces p;

    if (rank == RankOperand) {
      p.T(CountsAsVariable(root) ? "1" : "0");
    } else if (rank != RankFunction) {
      if (root == "+") {
        p.D(u).D(v).T("+");
      } else if (root == "-") {
        p.D(u).D(v).T("-");
      } else if (root == "*") {
        p.D(u).C(v).T("*").C(u).D(v).T("*").T("+").C(v).T("0").T("^").T("/");
      } else if (root == "/") {
        p.D(u).C(v).T("*").C(u).D(v).T("*").T("-").C(v).T("2").T("^").T("/");
      } else if (root == "^") {
        Power(p, u, v);
      } else {
        p.T("0");
      }
    } else if (root == "MIN") {
      p.D(v).T("MIN");
    } else if (root == "sqr") {
      p.D(v).T("1").T("2").T("/").C(v).T("sqr").T("/").T("*");
    } else if (root == "exp") {
      p.D(v).C(v).T("exp").T("*");
    } else if (root == "log") {
      p.D(v).C(v).T("/");
    } else if (root == "sin") {
      p.D(v).C(v).T("cos").T("*");
    } else if (root == "cos") {
      p.D(v).T("MIN").C(v).T("sin").T("*");
    } else if (root == "tan") {
      p.D(v).C(v).T("sec").T("2").T("^").T("*");
    } else if (root == "ctan") {
      p.D(v).T("MIN").C(v).T("csec").T("2").T("^").T("*");
    } else if (root == "sec") {
      p.D(v).C(v).T("tan").T("*").C(v).T("sec").T("*");
    } else if (root == "csec") {
      p.D(v).T("MIN").C(v).T("ctan").T("*").C(v).T("csec").T("*");
    } else if (root == "asin") {
      p.D(v).T("1").C(v).T("2").T("^").T("-").T("0.5").T("^").T("/");
    } else if (root == "acos") {
      p.D(v).T("MIN").T("1").C(v).T("2").T("^").T("-").T("0.5").T("^").T("/");
    } else if (root == "atan") {
      p.D(v).T("1").C(v).T("2").T("^").T("+").T("/");
    } else if (root == "actan") {
      p.D(v).T("MIN").T("1").C(v).T("2").T("^").T("+").T("/");
    } else if (root == "sinh") {
      p.D(v).C(v).T("cosh").T("*");
    } else if (root == "cosh") {
      p.D(v).C(v).T("sinh").T("*");
    } else if (root == "tanh") {
      p.D(v).C(v).T("cosh").T("2").T("^").T("/");
    } else if (root == "ctanh") {
      p.D(v).T("MIN").C(v).T("sinh").T("2").T("^").T("/");
    } else if (root == "sech") {
      p.D(v).T("MIN").C(v).T("tanh").T("*").C(v).T("sech").T("*");
    } else if (root == "csech") {
      p.D(v).T("MIN").C(v).T("ctanh").T("*").C(v).T("csech").T("*");
    } else if (root == "asinh") {
      p.D(v).T("1").C(v).T("2").T("^").T("+").T("0.5").T("^").T("/");
    } else if (root == "acosh") {
      p.D(v).T("-1").C(v).T("2").T("^").T("+").T("0.5").T("^").T("/");
    } else if (root == "atanh" || root == "actanh") {
      p.D(v).T("1").C(v).T("2").T("^").T("-").T("/");
    } else if (root == "asech") {
      // -1 / (v (1 - v^2)^0.5)
      p.D(v).T("MIN").C(v).T("1").C(v).T("2").T("^").T("-").T("0.5").T("^").T("*").T("/");
    } else if (root == "acsech") {
      // -1 / |v| (1 + v^2)^0.5, written as -1 / (v^2 + v^4)^0.5
      p.D(v).T("MIN").C(v).T("2").T("^").C(v).T("4").T("^").T("+").T("0.5").T("^").T("/");
    } else {
      p.T("0");
    }
    Emit(p);
  }

  void Power(Pieces& p, int32_t u, int32_t v) {
    const std::vector<int32_t>& s = start_;
    double number = 0.0;
    if (s[static_cast<size_t>(v)] == v && IsNumberText(t_[static_cast<size_t>(v)].data, number)) {
      if (number == 0.0) {
        p.T("0"); // u^0 is 1
        return;
      }
      // du * c * u^(c-1) with c in single precision.
      const float c = static_cast<float>(number);
      const float c1 = c - 1.0f;
      if (std::isfinite(c)) {
        p.D(u).T(Plain7(c)).T("*").C(u).T(Plain7(c1)).T("^").T("*");
        return;
      }
      // Beyond single precision the number is kept as written (constant exponent below).
    }
    const int32_t first = s[static_cast<size_t>(v)];
    if (varPrefix_[static_cast<size_t>(v) + 1] - varPrefix_[static_cast<size_t>(first)] == 0) {
      // A constant exponent that is not a plain number (x^-2, x^(1/3)): du * v * u^(v-1), which
      // unlike the general rule needs no logarithm of u and so stays defined for negative u.
      p.D(u).C(v).T("*").C(u).C(v).T("1").T("-").T("^").T("*");
      return;
    }
    // (dv Log(u) + du v / u) u^v
    p.D(v).C(u).T("Log").T("*").D(u).C(v).T("*").C(u).T("/").T("+").C(u).C(v).T("^").T("*");
  }

  void Emit(Pieces& p) {
    for (auto it = p.items.rbegin(); it != p.items.rend(); ++it)
      work_.push_back(std::move(*it));
  }

  const std::vector<Token>& t_;
  const std::vector<int32_t>& start_;
  const std::string* variable_;
  std::vector<int32_t> varPrefix_;
  std::vector<Item> work_;
  std::vector<Token>* out_ = nullptr;
  int64_t count_ = 0;
};

PostfixTokens DerivativeOf(const PostfixTokens& list, const std::string* variable) {
  PostfixTokens result;
  const std::vector<Token>& t = list.Tokens();
  const std::vector<int32_t> start = SubtreeStarts(t);
  if (start.empty()) { // the empty list, or one no rule can read
    result.Append(RankOperand, "0");
    return result;
  }
  Deriver d(t, start, variable);
  if (d.Count() > MaxDerivativeTokens) {
    // Too large to write: 0/0, a derivative that is undefined everywhere rather than wrong.
    result.Append(RankOperand, "0");
    result.Append(RankOperand, "0");
    result.Append(RankMulDiv, "/");
    return result;
  }
  d.Write(result.Tokens());
  return result;
}

// ---------------------------------------------------------------------------------------------
// Reading a formula text into a token list.

bool IsOperatorChar(char c) {
  return c == '+' || c == '-' || c == '*' || c == '/' || c == '^' || c == '(' || c == ')' ||
         c == '#';
}

// The token list exactly as the text's characters give it.
PostfixTokens ReadTokens(const std::string& text, std::string& message, bool& success) {
  success = true;
  message.clear();
  int opens = 0, closes = 0;
  for (char c : text) {
    if (c == '(') ++opens;
    if (c == ')') ++closes;
  }
  if (opens != closes) {
    message = "Unbalanced parentheses";
    return {};
  }
  std::string s;
  s.reserve(text.size() + 1);
  for (char c : text)
    s.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
  s.push_back('#');

  PostfixTokens working, output;
  bool wantOperand = true;
  size_t i = 0;
  while (true) {
    const char c = s[i];
    if (wantOperand) {
      if (c == '#') {
        message = "Operand expected at the end";
        return {};
      }
      if (c == '-') {
        // A sign: 0 minus what follows, with the binding of "*".
        output.Append(RankOperand, "0");
        working.Append(RankMulDiv, "-");
        ++i;
        continue;
      }
      if (c == '+' || c == '*' || c == '/' || c == '^' || c == ')') {
        message = "Operand expected";
        return {};
      }
      if (c == '(') {
        working.Append(RankOpenParen, "(");
        ReduceTokenStack(working, output);
        ++i;
        continue;
      }
      size_t j = i;
      while (!IsOperatorChar(s[j]))
        ++j;
      const std::string taken = s.substr(i, j - i);
      const std::string lower = [&] {
        std::string l = taken;
        for (char& ch : l)
          ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        return l;
      }();
      bool derivable = false;
      for (std::string_view f : kDerivableFunctions)
        if (f == lower) derivable = true;
      if (std::isdigit(static_cast<unsigned char>(taken[0])) || taken[0] == '.') {
        working.Append(RankOperand, Plain15(NumberText::LeadingValue(taken)));
        wantOperand = false;
      } else if (taken == "X" || taken == "Y" || taken == "A" || taken == "R" || taken == "U") {
        working.Append(RankOperand, lower);
        wantOperand = false;
      } else if (derivable) {
        working.Append(RankFunction, lower);
      } else if (taken == "PI") {
        working.Append(RankOperand, std::string(formula::PiText));
        wantOperand = false;
      } else if (taken[0] == ',') {
        working.Append(RankOperand, taken);
        wantOperand = false;
      } else {
        MsgBox("Can not find derivative of " + taken, MsgButtons::OK, MsgIcon::Exclamation,
               "Error");
        success = false;
        return {};
      }
      ReduceTokenStack(working, output);
      i = j;
      continue;
    }
    // An operator is expected.
    if (c == '#') break;
    if (c == '+' || c == '-') {
      working.Append(RankAddSub, std::string(1, c));
    } else if (c == '*' || c == '/') {
      working.Append(RankMulDiv, std::string(1, c));
    } else if (c == '^') {
      working.Append(RankPower, "^");
    } else if (c == ')') {
      working.Append(RankCloseParen, ")");
      ReduceTokenStack(working, output);
      ++i;
      continue;
    } else {
      message = "Operator expected";
      return {};
    }
    ReduceTokenStack(working, output);
    wantOperand = true;
    ++i;
  }
  std::vector<Token>& w = working.Tokens();
  for (auto it = w.rbegin(); it != w.rend(); ++it)
    output.Tokens().push_back(std::move(*it));
  return output;
}

// The formula as the parser reads it, written back with every operation in parentheses, numbers
// with "." and signs as "(-...)": blanks that multiply become products and a leading "+" goes,
// so that ReadTokens builds the tree the parser evaluates. Empty when the parser rejects it.
bool ParserReading(const std::string& text, std::string& infix) {
  std::string postfix;
  std::string message;
  if (FormulaParser::ParseQuietly(text, postfix, &message) != 0 || !message.empty()) return false;
  // Tokens of the postfix text and their subtree layout.
  std::vector<std::string_view> tok;
  std::vector<int8_t> arity;
  for (size_t p = 0, b; (b = postfix.find(' ', p)) != std::string::npos; p = b + 1) {
    const std::string_view t(postfix.data() + p, b - p);
    tok.push_back(t);
    if (t.size() == 1 && std::string_view("+-*/^").find(t[0]) != std::string_view::npos)
      arity.push_back(2);
    else if (t == "(-)" || formula::FindFunction(t) >= 0)
      arity.push_back(1);
    else
      arity.push_back(0);
  }
  infix.clear();
  if (tok.empty()) return true;
  std::vector<int32_t> start(tok.size());
  std::vector<int32_t> roots;
  for (size_t i = 0; i < tok.size(); ++i) {
    int32_t first = static_cast<int32_t>(i);
    for (int k = 0; k < arity[i]; ++k) {
      first = start[static_cast<size_t>(roots.back())];
      roots.pop_back();
    }
    start[i] = first;
    roots.push_back(static_cast<int32_t>(i));
  }
  struct Item {
    int32_t node; // -1: literal
    std::string_view lit;
  };
  std::vector<Item> work{{static_cast<int32_t>(tok.size()) - 1, {}}};
  std::vector<std::string> lowerNames; // keeps lower-case function names alive
  lowerNames.reserve(tok.size());
  while (!work.empty()) {
    const Item item = work.back();
    work.pop_back();
    if (item.node < 0) {
      infix += item.lit;
      continue;
    }
    const size_t n = static_cast<size_t>(item.node);
    const std::string_view t = tok[n];
    if (arity[n] == 0) {
      if (t.size() == 2 && t[0] == t[1] && std::isalpha(static_cast<unsigned char>(t[0]))) {
        infix.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(t[0]))));
      } else {
        for (char c : t)
          infix.push_back(c == ',' ? '.' : c);
      }
    } else if (arity[n] == 1) {
      work.push_back({-1, ")"});
      work.push_back({item.node - 1, {}});
      if (t == "(-)") {
        work.push_back({-1, "(-"});
      } else {
        std::string name(t);
        for (char& c : name)
          c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        lowerNames.push_back(std::move(name) + "(");
        work.push_back({-1, lowerNames.back()});
      }
    } else {
      const int32_t right = item.node - 1;
      const int32_t left = start[static_cast<size_t>(right)] - 1;
      work.push_back({-1, ")"});
      work.push_back({right, {}});
      work.push_back({-1, t});
      work.push_back({left, {}});
      work.push_back({-1, "("});
    }
  }
  return true;
}

} // namespace

// ---------------------------------------------------------------------------------------------

void ReduceTokenStack(PostfixTokens& working, PostfixTokens& output) {
  std::vector<Token>& w = working.Tokens();
  while (w.size() >= 2) {
    const Token& last = w[w.size() - 1];
    const Token& before = w[w.size() - 2];
    if (last.data == ")" && before.data == "(") {
      w.resize(w.size() - 2);
      return;
    }
    if (before.data == "(") return;
    if (before.rank < last.rank) return;
    output.Tokens().push_back(std::move(w[w.size() - 2]));
    w.erase(w.end() - 2);
  }
}

PostfixTokens ParseToTokens(const std::string& text, std::string& message, bool& success) {
  std::string reading;
  PostfixTokens list = ReadTokens(ParserReading(text, reading) ? reading : text, message, success);
  if (!success || list.ElementCount() == 0) return list;
  const std::vector<int32_t> start = SubtreeStarts(list.Tokens());
  bool tooLarge = list.ElementCount() > MaxFormulaTokens;
  if (!tooLarge && !start.empty()) {
    const std::string x = "x", y = "y";
    tooLarge = Deriver(list.Tokens(), start, nullptr).Count() > MaxDerivativeTokens ||
               Deriver(list.Tokens(), start, &x).Count() > MaxDerivativeTokens ||
               Deriver(list.Tokens(), start, &y).Count() > MaxDerivativeTokens;
  }
  if (tooLarge) {
    MsgBox("The formula is too large to find its derivative.", MsgButtons::OK, MsgIcon::Exclamation,
           "Error");
    success = false;
    return {};
  }
  return list;
}

std::string TokensToInfix(const PostfixTokens& list) {
  const std::vector<Token>& t = list.Tokens();
  if (t.empty()) return "";
  const std::vector<int32_t> start = SubtreeStarts(t);
  if (start.empty()) return ""; // not a formula
  const auto opRank = [](const std::string& op) -> int16_t {
    if (op == "+" || op == "-") return RankAddSub;
    if (op == "*" || op == "/") return RankMulDiv;
    return RankPower;
  };
  const auto entryRank = [&](int32_t n) -> int16_t {
    const Token& k = t[static_cast<size_t>(n)];
    if (k.rank == RankOperand) return RankOperand;
    if (k.rank == RankFunction) return RankFunction;
    return opRank(k.data);
  };
  struct Item {
    int32_t node; // -1: literal
    std::string_view lit;
  };
  std::string out;
  std::vector<Item> work{{static_cast<int32_t>(t.size()) - 1, {}}};
  while (!work.empty()) {
    const Item item = work.back();
    work.pop_back();
    if (item.node < 0) {
      out += item.lit;
      continue;
    }
    const Token& k = t[static_cast<size_t>(item.node)];
    if (k.rank == RankOperand) {
      out += k.data;
    } else if (k.rank == RankFunction) {
      work.push_back({-1, ")"});
      work.push_back({item.node - 1, {}});
      work.push_back({-1, "("});
      work.push_back({-1, k.data == "MIN" ? std::string_view("-") : std::string_view(k.data)});
    } else {
      const int16_t r = opRank(k.data);
      const int32_t right = item.node - 1;
      const int32_t left = start[static_cast<size_t>(right)] - 1;
      const bool rp = entryRank(right) <= r;
      const bool lp = entryRank(left) < r;
      if (rp) work.push_back({-1, ")"});
      work.push_back({right, {}});
      if (rp) work.push_back({-1, "("});
      work.push_back({-1, k.data});
      if (lp) work.push_back({-1, ")"});
      work.push_back({left, {}});
      if (lp) work.push_back({-1, "("});
    }
  }
  return out;
}

PostfixTokens Differentiate(const PostfixTokens& list) { return DerivativeOf(list, nullptr); }

PostfixTokens PartialDerivative(const PostfixTokens& list, const std::string& variable) {
  return DerivativeOf(list, &variable);
}

namespace {

// A derivative text the parser would refuse for its length is refused here, with a message that
// says what it is: the user typed a formula of the allowed length, not this text.
bool HeldByTheParser(const std::string& derivative, const DerivativeName& name,
                     const char* unnamed) {
  if (derivative.size() <= FormulaParser::MaxFormulaChars) return true;
  MsgBox("The " + (name ? name() : std::string(unnamed)) + " is too long (more than " +
             std::to_string(FormulaParser::MaxFormulaChars) + " characters).",
         MsgButtons::OK, MsgIcon::Exclamation, "Error");
  return false;
}

} // namespace

DerivativeOutcome MakeDerivativeText(const std::string& text, const std::string& variable,
                                     std::string& derivative, const DerivativeName& name) {
  std::string message;
  bool ok = false;
  const PostfixTokens list = ParseToTokens(text, message, ok);
  if (!ok) return DerivativeOutcome::Refused;
  derivative = FoldSigns(
      TokensToInfix(variable.empty() ? Differentiate(list) : PartialDerivative(list, variable)));
  return HeldByTheParser(derivative, name, variable.empty() ? "derivative" : "partial derivative")
             ? DerivativeOutcome::Made
             : DerivativeOutcome::TooLong;
}

bool DerivativeText(const std::string& text, std::string& derivative, const DerivativeName& name) {
  return MakeDerivativeText(text, "", derivative, name) == DerivativeOutcome::Made;
}

bool PartialDerivativeText(const std::string& text, const std::string& variable,
                           std::string& derivative, const DerivativeName& name) {
  return MakeDerivativeText(text, variable, derivative, name) == DerivativeOutcome::Made;
}

PostfixTokens JoinTokenLists(const std::vector<const PostfixTokens*>& lists) {
  PostfixTokens result;
  for (const PostfixTokens* l : lists)
    if (l) result.Tokens().insert(result.Tokens().end(), l->Tokens().begin(), l->Tokens().end());
  return result;
}

PostfixTokens CopyTokenRange(const PostfixTokens& list, int32_t first, int32_t last) {
  PostfixTokens result;
  for (int32_t i = first; i <= last; ++i)
    result.Append(list.GetRank(i), list.GetData(i));
  return result;
}

PostfixTokens ExtractOperand(const PostfixTokens& list, int32_t position, int16_t which) {
  const auto walk = [&](int32_t from) {
    int32_t counter = 1;
    int32_t q = from;
    while (counter != 0) {
      --q;
      const int16_t rank = list.GetRank(q); // out of range for a list that is not a formula
      if (rank == RankOperand)
        --counter;
      else if (rank != RankFunction)
        ++counter;
    }
    return q;
  };
  const int32_t q = walk(position);
  if (which == 1) return CopyTokenRange(list, q, position - 1);
  const int32_t q2 = walk(q);
  return CopyTokenRange(list, q2, q - 1);
}
