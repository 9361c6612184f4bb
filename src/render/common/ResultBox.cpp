#include "render/common/ResultBox.h"

namespace ResultBox {
namespace {
std::string g_text;
std::function<void(const std::string&)> g_observer;
void Notify() {
  if (g_observer) g_observer(g_text);
}
} // namespace

void Clear() {
  g_text.clear();
  Notify();
}
void Append(const std::string& text) {
  g_text += text;
  Notify();
}
void Set(const std::string& text) {
  g_text = text;
  Notify();
}
const std::string& Text() { return g_text; }
void SetObserver(std::function<void(const std::string&)> observer) {
  g_observer = std::move(observer);
}

} // namespace ResultBox
