#include "formula/ValueStack.h"

#include "formula/FormulaGlobals.h"

void ValueStack::Push(const StackValue& Value) {
  ++ItemCount;
  if (ItemCount > Capacity()) Items.resize(Items.size() + 10);
  Items[static_cast<size_t>(ItemCount - 1)] = Value;
}

StackValue ValueStack::Pop() {
  if (ItemCount < 1) throw FormulaError(ErrPopEmpty, "Pop method invoked on empty stack");
  return Items[static_cast<size_t>(--ItemCount)];
}

StackValue ValueStack::GetPopValue() const {
  if (ItemCount < 1) throw FormulaError(ErrPeekEmpty, "GetPopValue method invoked on empty stack");
  return Items[static_cast<size_t>(ItemCount - 1)];
}
