#include "document/GraphRecord.h"

#include <cmath>
#include <limits>

#include "model/AxesSettings.h"
#include "model/Graph.h"
#include "model/ProgramState.h"
#include "platform/NumberText.h"

namespace {

const char* FieldName(GraphProp p) { return PropertyInfo(p).name.data(); }
const char* FieldName(AxesSettingsProp p) {
  return AxesSettingsPropertyTable[static_cast<size_t>(p)].name.data();
}

// ---- writing ----

void WriteProperty(TokenWriter& out, const Graph& g, GraphProp p, int32_t index) {
  switch (PropertyInfo(p).kind) {
  case PropKind::Integer:
    out.Integer(g.GetInt(p, index));
    break;
  case PropKind::Real:
    out.Real(g.GetReal(p, index));
    break;
  case PropKind::Boolean:
    out.Boolean(g.GetBool(p, index));
    break;
  case PropKind::Formula:
    out.Formula(g.GetText(p));
    break;
  case PropKind::Name:
    out.Name(g.GetText(p));
    break;
  }
}

template <size_t N>
std::string WriteRecord(const Graph& g, const std::array<RecordItem, N>& layout) {
  TokenWriter out;
  for (const RecordItem& item : layout) {
    if (item.whenAnimated && !g.Animation) continue;
    switch (item.kind) {
    case RecordItemKind::Property:
      WriteProperty(out, g, item.prop, 0);
      break;
    case RecordItemKind::FrameCount:
      out.Integer(FrameCount);
      break;
    case RecordItemKind::FramesPerSecond:
      out.Integer(FramesPerSecond);
      break;
    case RecordItemKind::List: {
      // A count of 0 or below writes no item; an item beyond its list throws SubscriptError.
      const int32_t n = g.GetInt(item.prop);
      for (int64_t k = item.first; k < int64_t{item.first} + n; ++k)
        for (int m = 0; m < item.memberCount; ++m)
          WriteProperty(out, g, item.members[static_cast<size_t>(m)], static_cast<int32_t>(k));
      break;
    }
    case RecordItemKind::TablePoints:
      for (int32_t u = 0; u <= g.StepU; ++u)
        for (int32_t v = 0; v <= g.StepV; ++v) {
          const GraphPoint& point = g.VertTab3D.At(u, v);
          out.Real(point.x);
          out.Real(point.y);
          out.Real(point.z);
        }
      break;
    }
  }
  return out.Text();
}

// ---- reading ----

// The leading number of a token as Paste takes PointSize and PointHollow: 0 without one.
double PasteNumber(TokenReader& in, const char* field) {
  const double value = NumberText::LeadingValue(in.Take(field));
  if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max())
    throw TokenError(std::string(field) + " is out of range");
  return value;
}

void ReadProperty(TokenReader& in, Graph& g, GraphProp p, int32_t index, RecordReading mode) {
  const GraphPropertyInfo& info = PropertyInfo(p);
  const char* field = FieldName(p);
  if (mode == RecordReading::Paste) {
    if (p == GraphProp::PointSize) {
      g.PointSize = static_cast<float>(PasteNumber(in, field));
      return;
    }
    if (p == GraphProp::PointHollow) {
      g.PointHollow = PasteNumber(in, field) != 0.0;
      return;
    }
    if (p == GraphProp::NameS && (in.Peek().empty() || in.Peek()[0] != '@')) {
      g.NameS = in.Take(field);
      return;
    }
  }
  switch (info.kind) {
  case PropKind::Integer:
    g.SetInt(p, in.Integer(field), index);
    break;
  case PropKind::Real:
    g.SetReal(p, in.Real(field), index);
    break;
  case PropKind::Boolean:
    g.SetBool(p, (info.flags & PropFlag::StrictFlag) ? in.StrictFlag(field) : in.Flag(field),
              index);
    break;
  case PropKind::Formula:
    g.SetText(p, in.Formula(field));
    break;
  case PropKind::Name: {
    std::string value;
    if (in.Name(field, &value)) g.SetText(p, value);
    break;
  }
  }
}

// The count of a list item must leave every item inside the list of each member.
int32_t CheckedCount(const Graph& g, const RecordItem& item) {
  const int32_t n = g.GetInt(item.prop);
  if (n <= 0) return 0; // no item, as the writer writes none
  int32_t last = std::numeric_limits<int32_t>::max();
  for (int m = 0; m < item.memberCount; ++m)
    last = std::min(last, PropertyInfo(item.members[static_cast<size_t>(m)]).last);
  const int64_t maxCount = int64_t{last} - item.first + 1;
  if (n > maxCount)
    throw TokenError(std::string(FieldName(item.prop)) + " is " + std::to_string(n) +
                     ", more than the " + std::to_string(maxCount) + " items it can count");
  return n;
}

template <size_t N>
RecordReadResult ReadRecord(TokenReader& in, Graph& g, const std::array<RecordItem, N>& layout,
                            RecordReading mode) {
  RecordReadResult result;
  bool recoverable = false; // Paste keeps a record that fails from the Animation token on
  for (const RecordItem& item : layout) {
    if (item.kind == RecordItemKind::Property && item.prop == GraphProp::Animation &&
        mode == RecordReading::Paste)
      recoverable = true;
    if (item.whenAnimated && !g.Animation) continue;
    try {
      switch (item.kind) {
      case RecordItemKind::Property:
        ReadProperty(in, g, item.prop, 0, mode);
        break;
      case RecordItemKind::FrameCount:
        result.animationBlock = true;
        if (mode == RecordReading::Paste)
          in.Take("FrameCount");
        else
          result.frameCount = in.Count("FrameCount", 0, MaxDocumentFrameCount);
        break;
      case RecordItemKind::FramesPerSecond:
        if (mode == RecordReading::Paste)
          in.Take("FramesPerSecond");
        else
          result.framesPerSecond = in.Count("FramesPerSecond", 1, MaxDocumentFramesPerSecond);
        break;
      case RecordItemKind::List: {
        const int32_t n = CheckedCount(g, item);
        for (int32_t k = item.first; k < item.first + n; ++k)
          for (int m = 0; m < item.memberCount; ++m)
            ReadProperty(in, g, item.members[static_cast<size_t>(m)], k, mode);
        break;
      }
      case RecordItemKind::TablePoints: {
        if (g.StepU < 0 || g.StepU > TablePoints::Last || g.StepV < 0 ||
            g.StepV > TablePoints::Last)
          throw TokenError("the table's StepU and StepV are " + std::to_string(g.StepU) + " and " +
                           std::to_string(g.StepV) + ", outside 0 to " +
                           std::to_string(TablePoints::Last));
        for (int32_t u = 0; u <= g.StepU; ++u)
          for (int32_t v = 0; v <= g.StepV; ++v) {
            GraphPoint& point = g.VertTab3D(u, v);
            point.x = in.Real("a table point");
            point.y = in.Real("a table point");
            point.z = in.Real("a table point");
          }
        break;
      }
      }
    } catch (const TokenError&) {
      if (!recoverable) throw;
      result.complete = false;
      return result;
    }
  }
  return result;
}

bool IsOneOf(std::string_view token, std::initializer_list<const char*> texts) {
  for (const char* t : texts)
    if (token == t) return true;
  return false;
}

// Visits the axes' properties their record holds, in record order, with the kind of each.
template <class Visit> void ForEachAxesRecordField(Visit&& visit) {
  for (size_t i = 1; i < AxesSettingsPropertyTable.size(); ++i)
    if (AxesSettingsPropertyTable[i].inRecord)
      visit(static_cast<AxesSettingsProp>(i), AxesSettingsPropertyTable[i].kind);
}

} // namespace

std::string Graph::Save() const { return WriteRecord(*this, GraphRecordLayout); }

std::string Graph::SaveTable() const { return WriteRecord(*this, TableRecordLayout); }

std::string AxesSettings::Save() const {
  TokenWriter out;
  out.Boolean(Show);
  if (!Show) return out.Text();
  ForEachAxesRecordField([&](AxesSettingsProp p, PropKind kind) {
    switch (kind) {
    case PropKind::Integer:
      out.Integer(GetInt(p));
      break;
    case PropKind::Boolean:
      out.Boolean(GetBool(p));
      break;
    case PropKind::Name:
      out.Name(GetText(p));
      break;
    case PropKind::Real:
    case PropKind::Formula:
      break; // the axes have none
    }
  });
  return out.Text();
}

bool IsFunctionRecordToken(std::string_view token) {
  return IsOneOf(token, {"0",  "1",  "2",  "3",  "7",  "8",  "9",  "10", "11", "12", "13", "14",
                         "15", "20", "21", "22", "23", "31", "32", "41", "42", "43", "44", "45"});
}

bool IsTableRecordToken(std::string_view token) { return IsOneOf(token, {"4", "5", "6"}); }

RecordReadResult ReadGraphRecord(TokenReader& in, Graph& graph, RecordReading mode) {
  return ReadRecord(in, graph, GraphRecordLayout, mode);
}

RecordReadResult ReadTableRecord(TokenReader& in, Graph& graph, RecordReading mode) {
  return ReadRecord(in, graph, TableRecordLayout, mode);
}

void ReadAxesRecord(TokenReader& in, AxesSettings& axes) {
  axes.Show = in.Flag("the axes' Show");
  if (!axes.Show) return;
  ForEachAxesRecordField([&](AxesSettingsProp p, PropKind kind) {
    switch (kind) {
    case PropKind::Integer:
      axes.SetInt(p, in.Integer(FieldName(p)));
      break;
    case PropKind::Boolean:
      axes.SetBool(p, in.Flag(FieldName(p)));
      break;
    case PropKind::Name: {
      std::string value;
      if (in.Name(FieldName(p), &value)) axes.SetText(p, value);
      break;
    }
    case PropKind::Real:
    case PropKind::Formula:
      break;
    }
  });
}
