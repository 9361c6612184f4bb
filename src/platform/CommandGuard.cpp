#include "platform/CommandGuard.h"

#include <exception>
#include <new>

#include "platform/Errors.h"
#include "platform/Prompter.h"

namespace {

// A caption as the user reads it: without the "&" of its access key and the dots of a dialog.
std::string Plain(const std::string& caption) {
  std::string text;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    text.push_back(caption[i]);
  }
  while (!text.empty() && text.back() == '.')
    text.pop_back();
  return text;
}

std::string Command(const std::string& caption) {
  const std::string plain = Plain(caption);
  return plain.empty() ? "the command" : "\"" + plain + "\"";
}

void Report(const std::string& text) noexcept {
  try {
    MsgBox(text, MsgButtons::OK, MsgIcon::Critical, "Error");
  } catch (...) {
    // Not even the message could be shown: the program still goes on.
  }
}

} // namespace

std::string OutOfMemoryMessage(const std::string& caption) {
  return "There is not enough memory to carry out " + Command(caption) + ".";
}

std::string CommandFailedMessage(const std::string& caption, const std::string& reason) {
  const std::string plain = Plain(caption);
  return (plain.empty() ? std::string("The command") : "The command \"" + plain + "\"") +
         " failed: " + reason + ".";
}

bool RunGuarded(const std::string& caption, const std::function<void()>& command) {
  try {
    command();
    return true;
  } catch (const std::bad_alloc&) {
    Report(OutOfMemoryMessage(caption));
  } catch (...) {
    // The program's own faults (CorvalinError) and any other exception, in the words it carries.
    Report(CommandFailedMessage(caption, CurrentExceptionText()));
  }
  return false;
}
