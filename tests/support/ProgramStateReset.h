#pragma once
// The one reset of program-wide state for tests. The program keeps its document-wide values in
// several places: src/model/ProgramState.h (document kind, frames, scales, view window, switches,
// the document's path), src/model/GraphContainer.h (AllGraphs, ShownGraphs),
// src/view/camera/SceneCamera.h (Camera), src/view/camera/SceneLight.h (Light) and
// src/formula/FormulaGlobals.h (ShowEvaluationErrors); the report box's text is in
// src/render/common/ResultBox.h. A test that reads or changes any of them
// derives its fixture from ProgramStateTest (or calls ResetProgramState), so it starts from the
// start-up defaults and leaves them behind.

#include <gtest/gtest.h>

// Every program-wide value at its start-up default, with no graphs and an empty report. (The
// command and dialog registries are the fixtures' own business: each installs what it drives.)
void ResetProgramState();

class ProgramStateTest : public ::testing::Test {
protected:
  void SetUp() override { ResetProgramState(); }
  void TearDown() override { ResetProgramState(); }
};
