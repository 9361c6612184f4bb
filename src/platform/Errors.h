#pragma once
// The program's own exceptions and the report of a step that failed.
//
// CorvalinError is the base of every exception the program throws for a fault of what it was
// given (a formula, a document, an index read from outside): a caller catches "ours" with it,
// apart from programming errors and the library's own exceptions.
//
// A step that fails and is skipped (a start-up step, a drawing step) still says what failed: on
// stderr, and where a report box belongs to the step, there too.

#include <stdexcept>
#include <string>
#include <string_view>

class CorvalinError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// What the exception being handled says: its what() for a std::exception, "an unknown failure"
// for anything else. Call it only inside a catch block.
std::string CurrentExceptionText();

// Writes "Corvalin: <step> failed: <what>" and a line end on stderr.
void ReportSkippedStep(std::string_view step, std::string_view what);
