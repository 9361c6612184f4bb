#pragma once
// The text of a graph's row in the graph list, as the document reader and Paste make it: a fixed
// prefix naming the kind followed by the graph's formula texts with short separators, chosen by
// the document kind, the graph's GraphType, FunForm and CoordType (and ShowStep, ShowStem of a
// step and stem plot). Every graph gets a row: where the listed captions have none, a plain one
// names the kind and its formulas.

#include "model/Graph.h"

#include <cstdint>
#include <optional>
#include <string>

// Makes the captions of one document reading (or one paste). It keeps the 3D prefix: the last
// 3D curve or surface kind read sets it, and surfaces of revolution after it use it.
class GraphCaptioner {
public:
  // The caption of graph in a document of kind documentType; never empty.
  std::string Caption(const Graph& graph, int32_t documentType);

  // The caption of the listed rows only; nothing where they give none. Updates the 3D prefix.
  std::optional<std::string> ListedCaption(const Graph& graph, int32_t documentType);

  // The plain caption given where the listed rows have none.
  static std::string PlainCaption(const Graph& graph);

  const std::string& Prefix3D() const { return m_prefix3D; }

private:
  std::string m_prefix3D;
};

// One caption with a fresh 3D prefix (for a single graph, as Paste makes it).
std::string GraphCaption(const Graph& graph, int32_t documentType);
