#pragma once
// The report lines of the 2D curve analysis, written from its results (CurveAnalysisData.h): one
// function per kind of line, without the line end. Numbers are written as ReportNumber writes
// them; a value that has none (an integral over a stretch where the formula is undefined) is
// reported as "undefined".

#include <string>

#include "render/curves/CurveAnalysisData.h"

// "    Maximum: x=..,y=.." or "    Minimum: x=..,y=..".
std::string ExtremumLine(bool maximum, float x, float y);
// "    The length of curve from a to b is L".
std::string LengthLine(float from, float to, float length);
// "    Integral from a to b" and "    Area is v".
std::string IntegralLine(float from, float to);
std::string AreaLine(float value);
// "Function2 y=..." with the second formula as typed.
std::string SecondFunctionLine(const std::string& exp2);
// "    Point of intersection: x=..,y=..".
std::string IntersectionLine(float x, float y);
// "    Area of intersectant field is v".
std::string IntersectionAreaLine(float value);
// The position line of a tangent or normal ("    Tangent position: x=.., y=.." or "a=.., r=.."
// for an explicit polar curve); empty for parametric curves, which have none.
std::string PositionLine(bool normal, bool polar, const TangentLine& line);
// "      Slope: k".
std::string SlopeLine(float slope);
// "    Inflexion: x=.., y=..".
std::string InflexionLine(float x, float y);
// "    Curvature circle:" and the four indented lines of one circle.
std::string CurvatureHeadLine();
std::string CurvatureLines(const CurvatureCircle& circle); // four lines joined by CrLf
// "    The curve has no defined point." for a curve whose every sample is undefined (y = 1/0).
std::string NoDefinedPointLine();
// A number of the report, "undefined" for UndefinedValue, or "not worked out (cancelled)" for an
// integral whose work the user cancelled (NotWorkedOut).
std::string ValueOrUndefined(float value);
