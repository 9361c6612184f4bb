#include "formula/ValueStack.h"

#include "formula/FormulaGlobals.h"

void Cls13::Push(const StackValue& Value) {
  ++ItemCount;
  if (ItemCount > Capacity()) Items.resize(Items.size() + 10);
  Items[static_cast<size_t>(ItemCount - 1)] = Value;
}

StackValue Cls13::Pop() {
  if (ItemCount < 1) throw FormulaError(ErrPopEmpty, "Pop method invoked on empty stack");
  return Items[static_cast<size_t>(--ItemCount)];
}

StackValue Cls13::GetPopValue() const {
  if (ItemCount < 1) throw FormulaError(ErrPeekEmpty, "GetPopValue method invoked on empty stack");
  return Items[static_cast<size_t>(ItemCount - 1)];
}
