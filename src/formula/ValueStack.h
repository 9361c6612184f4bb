#pragma once
// A small stack of tagged values (a text, a 16-bit or 32-bit integer, a single or a double),
// each copied in and out whole. It grows in steps of 10 entries and never shrinks.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

using StackValue = std::variant<std::string, int16_t, int32_t, float, double>;

class ValueStack {
public:
  // Number of values on the stack.
  int32_t StackSize() const { return ItemCount; }
  void Push(const StackValue& Value);
  // Removes and returns the top value; FormulaError 1011 on an empty stack.
  StackValue Pop();
  // The top value, left on the stack; FormulaError 1012 on an empty stack.
  StackValue GetPopValue() const;
  // Allocated entries (grows by 10).
  int32_t Capacity() const { return static_cast<int32_t>(Items.size()); }

private:
  std::vector<StackValue> Items;
  int32_t ItemCount = 0;
};
