#include "formula/FormulaParser.h"

#include <cctype>
#include <vector>

#include "formula/FormulaTables.h"
#include "platform/Prompter.h"

using namespace formula;

namespace {

enum ParseState {
  ParseStart = 0,
  AfterOperand = 1,
  AfterOperator = 2,
  AfterAddSub = 3,
  AfterFunction = 4
};

// Operator-stack entries: the five binary operators, the sign, "(" and the functions.
enum Entry : int { EOpen = 0, EAdd, ESub, EMul, EDiv, EPow, ENeg, EFunction };

int Rank(int e) {
  switch (e) {
  case EAdd:
  case ESub:
    return 1;
  case EMul:
  case EDiv:
    return 2;
  case ENeg:
    return 3;
  case EPow:
    return 4;
  case EOpen:
    return 0;
  default:
    return 5; // functions
  }
}

void Write(std::string& out, int e) {
  static const char* const ops[] = {"(", "+", "-", "*", "/", "^", "(-)"};
  if (e >= EFunction)
    out += FunctionNames[static_cast<size_t>(e - EFunction)];
  else
    out += ops[e];
  out += ' ';
}

bool IsDigitOrSeparator(char c) { return (c >= '0' && c <= '9') || c == '.' || c == ','; }

std::string Upper(std::string_view s) {
  std::string u(s);
  for (char& c : u)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return u;
}

} // namespace

bool FormulaParser::IsNameChar(char c) {
  const char u = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return (u >= 'A' && u <= 'Z') || u == '_';
}

int32_t FormulaParser::OperatorRank(const std::string& entry) {
  if (entry == "+" || entry == "-") return 1;
  if (entry == "*" || entry == "/") return 2;
  if (entry == "(-)") return 3;
  if (entry == "^") return 4;
  if (FindFunction(entry) >= 0) return 5;
  return 0;
}

int32_t FormulaParser::ParseQuietly(const std::string& s, std::string& sBuffer,
                                    std::string* message) {
  ParseState state = ParseStart;
  int32_t depth = 0;
  int32_t errorPosition = 1;
  std::vector<int> stack;
  const auto fail = [&](std::string text) {
    if (message) *message = std::move(text);
    return errorPosition;
  };
  const auto reduce = [&](int rank) {
    while (!stack.empty() && Rank(stack.back()) >= rank) {
      Write(sBuffer, stack.back());
      stack.pop_back();
    }
  };

  const size_t length = s.size();
  // A formula past these sizes is refused before it is read: the evaluator, the derivative and
  // the widgets showing the formula would otherwise take minutes over it.
  if (length > MaxFormulaChars) {
    errorPosition = static_cast<int32_t>(MaxFormulaChars) + 1;
    return fail("Formula too long (more than " + std::to_string(MaxFormulaChars) + " characters)");
  }
  for (size_t i = 0; i < length; ++i) {
    const char c = s[i];
    const int32_t position = static_cast<int32_t>(i + 1);
    if (stack.size() > MaxFormulaNesting) {
      errorPosition = position;
      return fail("Formula nested too deeply (more than " + std::to_string(MaxFormulaNesting) +
                  " open operations)");
    }
    if (c == '(') {
      if (state == AfterOperand) {
        reduce(2);
        stack.push_back(EMul);
        state = AfterOperator;
      }
      if (state == AfterAddSub || state == AfterFunction) state = AfterOperator;
      stack.push_back(EOpen);
      ++depth;
      errorPosition = position;
    } else if (c == ')') {
      if (state != AfterOperand) return fail("Operand expected");
      if (depth == 0) return fail("Closing parenthesis without matching open parenthesis");
      while (stack.back() != EOpen) {
        Write(sBuffer, stack.back());
        stack.pop_back();
      }
      stack.pop_back();
      --depth;
      errorPosition = position;
    } else if (c == '+' || c == '-' || c == '*' || c == '/' || c == '^') {
      const int op = c == '+' ? EAdd : c == '-' ? ESub : c == '*' ? EMul : c == '/' ? EDiv : EPow;
      if (state == AfterOperand) {
        reduce(Rank(op));
        stack.push_back(op);
        errorPosition = position;
        state = (op == EAdd || op == ESub) ? AfterAddSub : AfterOperator;
      } else if (state == AfterAddSub) {
        return fail("Operand expected");
      } else if (op == ESub) {
        stack.push_back(ENeg);
        errorPosition = position;
        state = AfterAddSub;
      } else if (op == EAdd) {
        errorPosition = position;
        state = AfterAddSub;
      } else {
        return fail("Operand expected");
      }
    } else if (IsDigitOrSeparator(c)) {
      if (state == AfterOperand) return fail("Operator expected");
      size_t j = i;
      int separators = 0;
      while (j < length && IsDigitOrSeparator(s[j])) {
        if (s[j] == '.' || s[j] == ',') {
          if (++separators > 1) return fail("Operand contains multiple decimal points");
        }
        ++j;
      }
      // j is one past the number's last character; positions count from 1.
      errorPosition = static_cast<int32_t>(j) - 1;
      if (j - i == 1 && (c == '.' || c == ',')) return fail("Invalid operand");
      if (state == AfterFunction) return fail("Open parenthesis expected");
      sBuffer.append(s, i, j - i);
      sBuffer += ' ';
      state = AfterOperand;
      i = j - 1;
    } else if (c == '\0') {
      // A NUL is no blank: text after it would be hidden wherever the formula is shown.
      errorPosition = position;
      return fail("Formula contains a NUL character");
    } else if (static_cast<unsigned char>(c) <= 32) {
      // blanks, tabs and line breaks are skipped
    } else if (!IsNameChar(c)) {
      return fail("Unexpected character encountered");
    } else {
      size_t j = i;
      while (j < length && IsNameChar(s[j]))
        ++j;
      const std::string name = s.substr(i, j - i);
      errorPosition = position - 1;
      if (state == AfterOperand) {
        reduce(2);
        stack.push_back(EMul);
      }
      const std::string upper = Upper(name);
      const int fn = FindFunction(upper);
      if (fn >= 0) {
        stack.push_back(EFunction + fn);
        state = AfterFunction;
      } else if (upper == "PI") {
        sBuffer += PiText;
        sBuffer += ' ';
        state = AfterOperand;
      } else if (upper.size() == 1 && VariableLetters.find(upper[0]) != std::string_view::npos) {
        sBuffer += upper;
        sBuffer += upper;
        sBuffer += ' ';
        state = AfterOperand;
      } else {
        return fail("Undefined symbol : '" + name + "'");
      }
      i = j - 1;
    }
  }

  errorPosition = static_cast<int32_t>(length);
  if (state == AfterOperator || state == AfterAddSub || state == AfterFunction)
    return fail("Operand expected");
  if (depth > 0) return fail("Closing parenthesis expected");
  while (!stack.empty()) {
    Write(sBuffer, stack.back());
    stack.pop_back();
  }
  return 0;
}

int32_t FormulaParser::InfixToPostfix(const std::string& expression, std::string& sBuffer) {
  std::string message;
  const int32_t position = ParseQuietly(expression, sBuffer, &message);
  const bool rejected = position != 0 || !message.empty();
  if (!rejected) return 0;
  LastSyntaxMessage = message;
  MsgBox("Character " + std::to_string(position) + ":  " + message, MsgButtons::OK,
         MsgIcon::Critical, "Syntax Error");
  // An error before the first token is complete works out at position 0; it must still read as
  // a rejected formula, so it is returned as position 1.
  return position != 0 ? position : 1;
}

const CompiledFormula& FormulaParser::Compiled(const std::string& expression, bool inDegrees) {
  if (!cached_ || cachedDegree_ != inDegrees || cachedText_ != expression) {
    cached_.reset();
    cached_.emplace(CompiledFormula(expression, inDegrees, CompiledFormula::Lenient{}));
    cachedText_ = expression;
    cachedDegree_ = inDegrees;
  }
  return *cached_;
}

bool FormulaParser::DoEvaluate(const std::string& expression, bool inDegrees, float& result,
                               const FormulaVars& vars, EvalFault* fault) {
  const CompiledFormula& program = Compiled(expression, inDegrees);
  const EvalOutcome o = program.Run(vars);
  if (fault) *fault = o.fault;
  switch (o.fault) {
  case EvalFault::None:
    result = o.value;
    return true;
  case EvalFault::NoValue:
    return false;
  case EvalFault::BadToken:
    throw FormulaError(ErrBadToken, "Bad token in Evaluate: " + program.badTokens_[o.token]);
  case EvalFault::StackUnderflow:
    throw FormulaError(ErrPopEmpty, "Pop method invoked on empty stack");
  case EvalFault::Hyperbolic:
    result = UndefinedValue;
    return true;
  default:
    if (ShowEvaluationErrors) {
      MsgBox(EvalFaultMessage(o.fault), MsgButtons::OK, MsgIcon::Critical, "Error");
      return false;
    }
    result = UndefinedValue;
    return true;
  }
}

bool FormulaParser::DoEvaluate(const std::string& expression, bool inDegrees, float& result,
                               float u, float v, float x, float y, float z,
                               float a, float r, float b, float t, int32_t n) {
  FormulaVars vars;
  vars.U = u;
  vars.V = v;
  vars.X = x;
  vars.Y = y;
  vars.Z = z;
  vars.A = a;
  vars.R = r;
  vars.B = b;
  vars.T = t;
  vars.N = n;
  return DoEvaluate(expression, inDegrees, result, vars);
}
