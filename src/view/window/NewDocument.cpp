#include "view/window/NewDocument.h"

#include "document/DocumentHost.h"
#include "document/SaveCommands.h"
#include "model/AxesSettings.h"
#include "model/GraphContainer.h"
#include "model/ProgramState.h"
#include "platform/Prompter.h"
#include "render/common/ResultBox.h"
#include "view/camera/SceneLight.h"

namespace {

constexpr NewDocumentSettings Kinds[] = {
    {DocumentType2D, ScaleEqual, false, 0.0f, 0.0f, 0.0f, 0.0f, false, false},
    {DocumentType25D, ScaleEqual, true, 100.0f, 0.0f, -30.0f, 45.0f, true, false},
    {DocumentType3D, ScaleSquare, true, 100.0f, 0.0f, -30.0f, 45.0f, true, true},
    {DocumentType4D, ScaleSquare, true, 100.0f, 0.0f, -30.0f, 45.0f, true, true},
    {DocumentTypeSpecial, ScaleSquare, true, 0.0f, 0.0f, 0.0f, 0.0f, false, false},
};

} // namespace

const NewDocumentSettings& SettingsOfNewDocument(int32_t documentType) {
  for (const auto& kind : Kinds)
    if (kind.documentType == documentType) return kind;
  return Kinds[0];
}

bool NewDocument(int32_t documentType, DocumentHost& host) {
  const NewDocumentSettings& kind = SettingsOfNewDocument(documentType);
  const bool hadGraphs = AllGraphs.FunSurfs.Count() > 0;
  if (hadGraphs) {
    switch (
        MsgBox("Save changes to file?", MsgButtons::YesNoCancel, MsgIcon::Exclamation, "Note")) {
    case MsgResult::Yes:
      if (!SaveDocumentCommand(host)) return false;
      host.SaveCompleted = false;
      break;
    case MsgResult::No:
      break;
    default:
      return false;
    }
  }

  AxisScaleMode = kind.axisScaleMode;
  DocumentPath.clear(); // a new document has no file yet
  if (hadGraphs) {
    host.RemoveAllGraphs();
    ResultBox::Clear();
  } else if (kind.emptiesReport) {
    ResultBox::Clear();
  }
  if (kind.setsLight) {
    Light.Position[0] = kind.lightXY;
    Light.Position[1] = kind.lightXY;
  }
  ShownGraphs.RotRoll = kind.roll;
  ShownGraphs.RotPitch = kind.pitch;
  ShownGraphs.RotYaw = kind.yaw;
  host.DragModesOff();
  DocumentType = kind.documentType;
  DocumentAxes().BetterFonts = false;
  if (kind.axesDefaults) DocumentAxes().SetDefault();
  host.EnableCommands(kind.documentType);
  return true;
}
