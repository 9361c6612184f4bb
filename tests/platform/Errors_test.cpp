// The program's own faults share one base, so a caller can tell them from programming errors.

#include <gtest/gtest.h>

#include "document/DocumentTokens.h"
#include "formula/ValueStack.h"
#include "model/GraphContainer.h"
#include "model/Graph.h"
#include "platform/Errors.h"

namespace {

// Runs f and says whether what it threw was one of ours.
template <class F> bool ThrowsOurs(F&& f) {
  try {
    f();
  } catch (const CorvalinError&) {
    return true;
  } catch (...) {
    return false;
  }
  ADD_FAILURE() << "nothing was thrown";
  return false;
}

TEST(Errors, FormulaSubscriptAndDocumentFaultsAreOursProgrammingErrorsAreNot) {
  EXPECT_TRUE(ThrowsOurs([] { ValueStack().Pop(); }));
  EXPECT_TRUE(ThrowsOurs([] {
    Graph g;
    (void)g.CurvX[51];
  }));
  EXPECT_TRUE(ThrowsOurs([] { TokenReader("1E10").Integer("StepU"); })); // beyond 32 bits
  // A container misused by the program is a programming error.
  EXPECT_FALSE(ThrowsOurs([] { GraphContainer().FunSurfs.Item(1); }));
}

} // namespace
