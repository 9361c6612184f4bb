#pragma once
// The lines the drawing of a 2D curve writes into the report box: the header that names the
// curve, the result lines of its analysis (four blanks in front) and the numbers in them, each the
// 7-significant-digit text of a single-precision value with the locale's decimal separator.

#include <cstdint>
#include <string>

// "Function y=..." and its forms by coordinate system and formula form; the empty text for
// implicit curves, inequality regions and any other pair. The formula texts are the graph's own.
std::string CurveHeaderLine(int32_t coordType, int32_t funForm, const std::string& expressY,
                            const std::string& expressZ);

// A reported value: "2", "0.5", "-1.25", "1E+07"; negative zero as "0".
std::string ReportNumber(float value);

// "    Root: x=...,y=..." (without the line end).
std::string RootLine(float x, float y);

// Appends one line and its CrLf to the report box; an empty text appends an empty line.
void AppendReportLine(const std::string& line);
