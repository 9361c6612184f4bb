#include "model/Graph.h"

#include "model/GraphKinds.h"
#include "model/ProgramState.h"

#include <stdexcept>
#include <type_traits>

namespace {

template <class T> struct IsIndexedList : std::false_type {};
template <class T, int32_t Lo, int32_t Hi, FixedName N>
struct IsIndexedList<IndexedList<T, Lo, Hi, N>> : std::true_type {};

// Calls f with the member that holds property p (a value or an IndexedList).
template <class G, class F> decltype(auto) VisitProperty(G& g, GraphProp p, F&& f) {
  switch (p) {
#define GRAPH_VISIT(nm, ...)                                                                       \
  case GraphProp::nm:                                                                              \
    return f(g.nm);
    GRAPH_PROPERTIES(GRAPH_VISIT, GRAPH_VISIT)
#undef GRAPH_VISIT
  }
  throw std::logic_error("Graph: unknown property id");
}

[[noreturn]] void WrongKind(GraphProp p, const char* wanted) {
  throw std::logic_error("Graph: property " + std::string(PropertyInfo(p).name) + " is not " +
                         wanted);
}

// Reads property p as T (by value), taking the index for lists.
template <class T> T GetAs(const Graph& g, GraphProp p, int32_t index, const char* wanted) {
  return VisitProperty(g, p, [&](const auto& member) -> T {
    using M = std::decay_t<decltype(member)>;
    if constexpr (IsIndexedList<M>::value) {
      if constexpr (std::is_same_v<typename M::value_type, T>)
        return member[index];
      else
        WrongKind(p, wanted);
    } else if constexpr (std::is_same_v<M, T>) {
      return member;
    } else {
      WrongKind(p, wanted);
    }
  });
}

template <class T>
void SetAs(Graph& g, GraphProp p, const T& value, int32_t index, const char* wanted) {
  VisitProperty(g, p, [&](auto& member) {
    using M = std::decay_t<decltype(member)>;
    if constexpr (IsIndexedList<M>::value) {
      if constexpr (std::is_same_v<typename M::value_type, T>)
        member[index] = value;
      else
        WrongKind(p, wanted);
    } else if constexpr (std::is_same_v<M, T>) {
      member = value;
    } else {
      WrongKind(p, wanted);
    }
  });
}

// Copies one property (all used items of a list) from source to target.
void CopyProperty(Graph& target, const Graph& source, GraphProp p) {
  const GraphPropertyInfo& info = PropertyInfo(p);
  const int32_t count = info.indexed ? source.GetInt(info.count) : 0;
  VisitProperty(target, p, [&](auto& member) {
    using M = std::decay_t<decltype(member)>;
    VisitProperty(source, p, [&](const auto& from) {
      using S = std::decay_t<decltype(from)>;
      if constexpr (std::is_same_v<M, S>) {
        if constexpr (IsIndexedList<M>::value) {
          for (int32_t k = info.firstUsed; k < info.firstUsed + count; ++k)
            member[k] = from[k];
        } else {
          member = from;
        }
      }
    });
  });
}

// Throws SubscriptError when a count of the source needs list items beyond a list it drives.
void CheckCounts(const Graph& source, uint8_t flag) {
  for (const GraphPropertyInfo& info : GraphPropertyTable) {
    if (!info.indexed || !(info.flags & flag)) continue;
    const int32_t count = source.GetInt(info.count);
    if (count <= 0) continue;
    const int64_t lastUsed = int64_t{info.firstUsed} + count - 1;
    if (lastUsed > info.last) {
      const int32_t beyond = info.last + 1;
      ThrowSubscript(info.name.data(), &beyond, 1, &info.first, &info.last);
    }
  }
}

} // namespace

RecordKind RecordKindOf(int32_t graphType) { return GraphKind(graphType).Record; }

std::optional<GraphProp> FindGraphProperty(std::string_view name) {
  for (std::size_t i = 0; i < GraphPropertyTable.size(); ++i)
    if (GraphPropertyTable[i].name == name) return static_cast<GraphProp>(i);
  return std::nullopt;
}

std::string SettingsFingerprint(const Graph& graph) {
  constexpr uint8_t Settings =
      PropFlag::EqualTo | PropFlag::EqualToWhenAnimated | PropFlag::TabEqualTo;
  std::string text;
  const auto append = [&text](const auto& value) {
    using V = std::decay_t<decltype(value)>;
    if constexpr (std::is_same_v<V, std::string>) {
      text += std::to_string(value.size());
      text += ':';
      text += value;
    } else {
      text.append(reinterpret_cast<const char*>(&value), sizeof value);
    }
  };
  for (std::size_t i = 0; i < GraphPropertyTable.size(); ++i) {
    if (!(GraphPropertyTable[i].flags & Settings)) continue;
    VisitProperty(graph, static_cast<GraphProp>(i), [&](const auto& member) {
      using M = std::decay_t<decltype(member)>;
      if constexpr (IsIndexedList<M>::value) {
        for (int32_t k = M::First; k <= M::Last; ++k)
          append(member[k]);
      } else {
        append(member);
      }
    });
  }
  return text;
}

std::string GraphKey(const Graph& graph) { return std::to_string(graph.ID); }

Graph::Graph() = default;

int32_t Graph::StepT() const { return FrameCount; }

int32_t Graph::GetInt(GraphProp p, int32_t index) const {
  return GetAs<int32_t>(*this, p, index, "an integer");
}
float Graph::GetReal(GraphProp p, int32_t index) const {
  return GetAs<float>(*this, p, index, "a real");
}
bool Graph::GetBool(GraphProp p, int32_t index) const {
  return GetAs<bool>(*this, p, index, "a Boolean");
}
const std::string& Graph::GetText(GraphProp p) const {
  return VisitProperty(*this, p, [&](const auto& member) -> const std::string& {
    using M = std::decay_t<decltype(member)>;
    if constexpr (std::is_same_v<M, std::string>)
      return member;
    else
      WrongKind(p, "a text");
  });
}
void Graph::SetInt(GraphProp p, int32_t value, int32_t index) {
  SetAs<int32_t>(*this, p, value, index, "an integer");
}
void Graph::SetReal(GraphProp p, float value, int32_t index) {
  SetAs<float>(*this, p, value, index, "a real");
}
void Graph::SetBool(GraphProp p, bool value, int32_t index) {
  SetAs<bool>(*this, p, value, index, "a Boolean");
}
void Graph::SetText(GraphProp p, const std::string& value) {
  SetAs<std::string>(*this, p, value, 0, "a text");
}

namespace {

// The main settings that Init and Equal both set, in their order.
void SetSharedMainSettings(Graph& g, const GraphMainSettings& s) {
  g.NameS = s.NameS;
  g.GraphType = s.GraphType;
  g.CoordType = s.CoordType;
  g.ExpressX = s.ExpressX;
  g.ExpressY = s.ExpressY;
  g.ExpressZ = s.ExpressZ;
  g.StepU = s.StepU;
  g.StepV = s.StepV;
  g.MinU = s.MinU;
  g.MaxU = s.MaxU;
  g.MinV = s.MinV;
  g.MaxV = s.MaxV;
  g.FillStyle = s.FillStyle;
  g.FirstColor = s.FirstColor;
  g.SecondColor = s.SecondColor;
  g.LineColor = s.LineColor;
  g.LineWidth = s.LineWidth;
  g.Material = s.Material;
  g.Show = s.Show;
  g.Smoothness = s.Smoothness;
  g.ShowContour = s.ShowContour;
  g.ShowVector = s.ShowVector;
  g.ShowColormap = s.ShowColormap;
  g.ContourLevel = static_cast<float>(s.ContourLevel);
}

} // namespace

std::shared_ptr<Graph> Graph::Init(const GraphMainSettings& settings) {
  auto g = std::make_shared<Graph>();
  g->ID = settings.ID;
  SetSharedMainSettings(*g, settings);
  return g;
}

void Graph::Equal(const GraphMainSettings& settings) {
  SetSharedMainSettings(*this, settings);
  FunForm = settings.FunForm;
}

void Graph::EqualTo(const Graph& source) {
  if (&source == this) return;
  CheckCounts(source, PropFlag::EqualTo);
  for (std::size_t i = 0; i < GraphPropertyTable.size(); ++i) {
    const uint8_t flags = GraphPropertyTable[i].flags;
    const bool copy = (flags & PropFlag::EqualTo) ||
                      ((flags & PropFlag::EqualToWhenAnimated) && source.Animation);
    if (copy) CopyProperty(*this, source, static_cast<GraphProp>(i));
  }
}

void Graph::TabEqualTo(Graph& source) {
  if (&source == this) return;
  CheckCounts(source, PropFlag::TabEqualTo);
  for (std::size_t i = 0; i < GraphPropertyTable.size(); ++i)
    if (GraphPropertyTable[i].flags & PropFlag::TabEqualTo)
      CopyProperty(*this, source, static_cast<GraphProp>(i));
  VertTab3D.Share(source.VertTab3D);
}
