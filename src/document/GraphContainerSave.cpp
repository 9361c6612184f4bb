// The graph records of a container (GraphContainer::Save), in the document text.

#include "model/GraphContainer.h"

std::string GraphContainer::Save() const {
  std::string text;
  for (const auto& g : FunSurfs) {
    switch (RecordKindOf(g->GraphType)) {
    case RecordKind::Table:
      text += g->SaveTable();
      break;
    case RecordKind::Function:
      text += g->Save();
      break;
    case RecordKind::NoRecord:
      break;
    }
  }
  return text;
}
