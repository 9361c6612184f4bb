#include "model/ProblemsToldOnce.h"

#include "model/Graph.h"

#include <algorithm>

bool FirstTelling(Graph& graph, const std::string& text) {
  std::string settings = SettingsFingerprint(graph);
  if (settings != graph.ToldSettings) {
    graph.ToldSettings = std::move(settings);
    graph.ToldProblems.clear();
  }
  auto& told = graph.ToldProblems;
  if (std::find(told.begin(), told.end(), text) != told.end()) return false;
  told.push_back(text);
  return true;
}

TellOnceAbout::TellOnceAbout(Graph& graph) : m_graph(graph), m_previous(ThePrompter()) {
  SetPrompter(this);
}

TellOnceAbout::~TellOnceAbout() { SetPrompter(&m_previous); }

MsgResult TellOnceAbout::MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                                const std::string& title) {
  if (buttons == MsgButtons::OK && !FirstTelling(m_graph, text)) return MsgResult::OK;
  return m_previous.MsgBox(text, buttons, icon, title);
}
