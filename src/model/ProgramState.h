#pragma once
// The program-wide values shared by every subsystem: the document kind, the animation state, the
// axis scaling, the scene centre, the view window and the small switches of the main window.
// They live here and nowhere else; start-up gives them their defaults (ResetProgramDefaults).

#include <cstdint>
#include <string>

// Document kinds (DocumentType).
enum DocumentKind : int32_t {
  DocumentType2D = 1,
  DocumentType25D = 2,
  DocumentType3D = 3,
  // The codes of the table kinds (Table2D, Table25D, Table3D) stand for the 2D, 2.5D and 3D
  // kinds in a clipboard text. No document header gives them, so no open document has them.
  DocumentType2DAlso = 4,
  DocumentType25DAlso = 5,
  DocumentType3DAlso = 6,
  DocumentTypeSpecial = 7,
  DocumentType4D = 9,
};

// How data units map to scene units (AxisScaleMode).
enum AxisScaling : int32_t {
  ScaleSquare = 1,
  ScaleEqual = 2,
  ScaleCustom = 3,
};

// Animation play modes (PlayMode).
enum PlayKind : int32_t {
  PlayManual = 0,
  PlayNormal = 1,
  PlayReverse = 2,
  PlayNormalRepeat = 3,
  PlayReverseRepeat = 4,
};

// Scene rotation modes of the mouse (RotationMode): 0 none, 1 trackball, 2/3/4 about X/Y/Z.
enum RotationKind : int32_t {
  RotationNone = 0,
  RotationTrackball = 1,
  RotationAboutX = 2,
  RotationAboutY = 3,
  RotationAboutZ = 4,
};

// Document kind of the open document.
inline int32_t DocumentType = DocumentType2D;

// Animation state: frames run from 1 to FrameCount + 1.
inline int32_t CurrentFrame = 1;
inline int32_t FrameCount = 10;
inline int32_t FramesPerSecond = 10;
// The fastest play: its timer interval, 1000 / 1999 rounded, is 1 ms; at 2000 frames per second
// it would round to 0 ms, and a timer of 0 ms never ticks.
inline constexpr int32_t MaxFramesPerSecond = 1999;
inline int32_t PlayMode = PlayNormal;

// Graph identity and editing.
inline int32_t GraphIdCounter = 0;
inline bool EditMode = false;

// Axis scaling settings (saved with the document) and the factors GetBox derives from them.
inline int32_t AxisScaleMode = ScaleSquare;
inline float AxisRatioX = 1.0f;
inline float AxisRatioY = 1.0f;
inline float AxisRatioZ = 1.0f;
inline float AxisScaleX = 1.0f;
inline float AxisScaleY = 1.0f;
inline float AxisScaleZ = 1.0f;
inline float AxisScaleV = 0.0f;

// Centre of the scene box in scene units; set by the scene compiler before graphs are drawn.
inline float SceneCenterX = 0.0f;
inline float SceneCenterY = 0.0f;
inline float SceneCenterZ = 0.0f;

// The view window of the View Setting dialog; sampling marks coordinates outside it undefined.
inline float ViewMinX = -500.0f;
inline float ViewMaxX = 500.0f;
inline float ViewMinY = -500.0f;
inline float ViewMaxY = 500.0f;
inline float ViewMinZ = -500.0f;
inline float ViewMaxZ = 500.0f;

// Threads that graph sampling may use for its large grids (0: one per core). The results are the
// same with any count; tests set it to compare one thread with several.
inline int32_t SamplingThreads = 0;

// First names of the three glyph display-list sets of the scene's texts, one list per
// Windows-1252 code 0..255 (GlText.h); 0 until the view's GL set-up builds them.
inline uint32_t TickFontBase = 0;
inline uint32_t TitleFontBase = 0;
inline uint32_t BitmapFontBase = 0;

// The plane of the 4D slice whose contour lines are being traced: 1 z-slice, 2 x-slice, 3 y-slice.
inline int32_t ContourSlicePlane = 0;

// Further switches of the main window.
inline bool ShowLegend = true;
inline int32_t RotationMode = RotationNone;
inline bool AxisChanged = false;
inline const std::string CrLf = "\r\n";
inline const std::string TabChar = "\t";

// The main window's view and edit state that the document commands share: what a left drag in
// the view does (at most one of the three is set; none at start-up and after File New), the zoom
// factor of the last zoom step, and the number of graph records that Edit Copy has put on the
// clipboard.
inline bool ZoomActive = false;
inline bool MoveActive = false;
inline bool RotateActive = false;
inline float ZoomFactor = 1.0f;
inline int32_t ClipboardGraphCount = 0;

// The file the open document was read from (File > Open, the command line) or last saved to as a
// document: File > Save and Save As offer it in their dialog, so that Save and Enter write the same
// file again. Empty for a new document and for a Demo sample.
inline std::string DocumentPath;

// The start-up defaults, in the groups and the order in which the main window's load sets them.
inline void ResetAnimationState() {
  CurrentFrame = 1;
  FrameCount = 10;
  FramesPerSecond = 10;
}
inline void ResetViewDefaults() {
  PlayMode = PlayNormal;
  AxisChanged = false;
  GraphIdCounter = 0;
  RotationMode = RotationNone;
  AxisScaleX = AxisScaleY = AxisScaleZ = 1.0f;
  ShowLegend = true;
  AxisScaleMode = ScaleSquare;
  AxisRatioX = AxisRatioY = AxisRatioZ = 1.0f;
  ViewMinX = ViewMinY = ViewMinZ = -500.0f;
  ViewMaxX = ViewMaxY = ViewMaxZ = 500.0f;
}
inline void ResetEditState() {
  EditMode = false;
  ClipboardGraphCount = 0;
}
inline void ResetInteractionState() {
  ZoomActive = MoveActive = RotateActive = false;
  ZoomFactor = 1.0f;
}
inline void ResetDocumentPath() { DocumentPath.clear(); }

// Gives every value above its start-up default (the main window's load step).
inline void ResetProgramDefaults() {
  ResetAnimationState();
  ResetViewDefaults();
  ResetEditState();
  ResetInteractionState();
  ResetDocumentPath();
}
