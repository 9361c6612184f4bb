#include "render/curves/CurveReport.h"

#include "model/Graph.h"
#include "model/ProgramState.h"
#include "platform/NumberText.h"
#include "render/common/ResultBox.h"

std::string CurveHeaderLine(int32_t coordType, int32_t funForm, const std::string& expressY,
                            const std::string& expressZ) {
  if (coordType == Cartesian2D && funForm == Explicit) return "Function y=" + expressZ;
  if (coordType == Cartesian2D && funForm == Parametric)
    return "Function x=" + expressY + ", " + "y=" + expressZ;
  if (coordType == Polar && funForm == Explicit) return "Function r=" + expressZ;
  if (coordType == Polar && funForm == Parametric)
    return "Function a=" + expressY + ", " + "r=" + expressZ;
  return {};
}

std::string ReportNumber(float value) { return NumberText::FormatSingleLocale(value); }

std::string RootLine(float x, float y) {
  return "    Root: x=" + ReportNumber(x) + ",y=" + ReportNumber(y);
}

void AppendReportLine(const std::string& line) { ResultBox::Append(line + CrLf); }
