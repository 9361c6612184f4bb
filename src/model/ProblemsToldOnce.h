#pragma once
// A problem with a graph that the program cannot mend by itself (a derivative too long to hold, a
// formula too large to differentiate) is found again at every sampling and at every drawing of
// the graph, and on opening once more in the list of what could not be sampled. The user is told
// once: the graph keeps the texts of the messages shown about it, with its settings as they were
// then, and a message of the same text is not shown again until a setting of the graph changes.

#include "platform/Prompter.h"

#include <string>

class Graph;

// Whether a message about the graph is new: not shown before under the graph's present settings.
// A new one is kept as shown; a change of any setting forgets the ones kept before it.
bool FirstTelling(Graph& graph, const std::string& text);

// While it lives, a message box that only informs (OK alone) and whose text was shown about the
// graph under its present settings is not shown again (it answers OK); any other box is shown as
// usual, and an informing one is kept as told. Questions always reach the user.
class TellOnceAbout : public Prompter {
public:
  explicit TellOnceAbout(Graph& graph);
  ~TellOnceAbout() override;
  TellOnceAbout(const TellOnceAbout&) = delete;
  TellOnceAbout& operator=(const TellOnceAbout&) = delete;
  MsgResult MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                   const std::string& title) override;

private:
  Graph& m_graph;
  Prompter& m_previous;
};
