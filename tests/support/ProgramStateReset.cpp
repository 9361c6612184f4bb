#include "support/ProgramStateReset.h"

#include "formula/FormulaGlobals.h"
#include "model/AxesSettings.h"
#include "model/GraphContainer.h"
#include "model/ProgramState.h"
#include "render/common/ResultBox.h"
#include "view/camera/SceneCamera.h"
#include "view/camera/SceneLight.h"

void ResetProgramState() {
  AllGraphs.FunSurfs.Clear();
  ShownGraphs.FunSurfs.Clear();
  ShownGraphs.RotRoll = ShownGraphs.RotPitch = ShownGraphs.RotYaw = 0.0f;
  DocumentAxes() = AxesSettings();
  DocumentAxes().Show = true;
  ResetProgramDefaults();
  DocumentType = DocumentType2D;
  SamplingThreads = 0;
  ContourSlicePlane = 0;
  SceneCenterX = SceneCenterY = SceneCenterZ = 0.0f;
  AxisScaleV = 0.0f;
  ShowEvaluationErrors = false;
  Camera = SceneCamera();
  Light = SceneLight();
  ResultBox::Clear();
}
