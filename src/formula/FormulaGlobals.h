#pragma once
// Values of the formula engine that the whole program shares: the sentinel for "no value here",
// the switch that makes the evaluator report domain faults, and the error the engine raises when
// one of its own objects is misused.

#include "platform/Errors.h"

#include <atomic>
#include <stdexcept>
#include <string>

// The value a formula takes where it has none (division by zero, log of a negative number ...).
// Sampling also stores it for coordinates outside the view window; drawers compare with it exactly.
constexpr float UndefinedValue = 0.12345f;

// When on, a domain fault of the evaluator shows a message box (title "Error") and the evaluation
// fails instead of giving UndefinedValue. Off from start-up; only the Expression Calculator turns
// it on, for one calculation at a time.
inline std::atomic<bool> ShowEvaluationErrors{false};

// Application errors of the formula engine: 1002 (a bad token in a postfix text), 1011 (pop of an
// empty stack), 1012 (peek of an empty stack). Numbers are counted from the base of
// application-defined error numbers.
class FormulaError : public CorvalinError {
public:
  FormulaError(int number, const std::string& text) : CorvalinError(text), Number(number) {}
  int Number;
};

constexpr int ErrBadToken = 1002;
constexpr int ErrPopEmpty = 1011;
constexpr int ErrPeekEmpty = 1012;
