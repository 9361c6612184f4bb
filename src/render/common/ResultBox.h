#pragma once
// The report box `Result` of the main window as the drawers see it: a text that every drawing of a
// graph empties and then appends its analysis lines to (each line ends with CrLf). The main window
// shows the text in its report widget after each compilation of the scene (and whenever it is told
// the text changed).

#include <functional>
#include <string>

namespace ResultBox {

// Empties the report text.
void Clear();
// Appends text as is (callers add CrLf at line ends).
void Append(const std::string& text);
// Replaces the whole text.
void Set(const std::string& text);
// The current text.
const std::string& Text();
// The main window registers a function that shows the text; called after every change.
void SetObserver(std::function<void(const std::string&)> observer);

} // namespace ResultBox
