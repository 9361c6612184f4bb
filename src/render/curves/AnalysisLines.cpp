#include "render/curves/AnalysisLines.h"

#include <cmath>

#include "formula/FormulaGlobals.h"
#include "model/ProgramState.h"
#include "render/curves/CurveReport.h"

std::string ValueOrUndefined(float value) {
  if (std::isnan(value)) return "not worked out (cancelled)";
  return value == UndefinedValue ? std::string("undefined") : ReportNumber(value);
}

std::string ExtremumLine(bool maximum, float x, float y) {
  return std::string(maximum ? "    Maximum: x=" : "    Minimum: x=") + ReportNumber(x) +
         ",y=" + ReportNumber(y);
}

std::string LengthLine(float from, float to, float length) {
  return "    The length of curve from " + ReportNumber(from) + " to " + ReportNumber(to) + " is " +
         ValueOrUndefined(length);
}

std::string IntegralLine(float from, float to) {
  return "    Integral from " + ReportNumber(from) + " to " + ReportNumber(to);
}

std::string AreaLine(float value) { return "    Area is " + ValueOrUndefined(value); }

std::string SecondFunctionLine(const std::string& exp2) { return "Function2 y=" + exp2; }

std::string IntersectionLine(float x, float y) {
  return "    Point of intersection: x=" + ReportNumber(x) + ",y=" + ReportNumber(y);
}

std::string IntersectionAreaLine(float value) {
  return "    Area of intersectant field is " + ValueOrUndefined(value);
}

std::string PositionLine(bool normal, bool polar, const TangentLine& line) {
  if (!line.HasPosition) return {};
  const std::string head = normal ? "    Normal position: " : "    Tangent position: ";
  return head + (polar ? "a=" : "x=") + ReportNumber(line.P1) + (polar ? ", r=" : ", y=") +
         ReportNumber(line.P2);
}

std::string SlopeLine(float slope) { return "      Slope: " + ReportNumber(slope); }

std::string InflexionLine(float x, float y) {
  return "    Inflexion: x=" + ReportNumber(x) + ", y=" + ReportNumber(y);
}

std::string CurvatureHeadLine() { return "    Curvature circle:"; }

std::string CurvatureLines(const CurvatureCircle& c) {
  return "      Position: x=" + ReportNumber(c.X) + ", y=" + ReportNumber(c.Y) + CrLf +
         "        Curvature: " + ReportNumber(c.Curvature) + CrLf +
         "        The radius of curvature circle: " + ReportNumber(c.Radius) + CrLf +
         "        Center of curvature circle: x=" + ReportNumber(c.CX) +
         ", y=" + ReportNumber(c.CY);
}

std::string NoDefinedPointLine() { return "    The curve has no defined point."; }
