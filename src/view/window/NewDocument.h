#pragma once
// File > New: starts an empty document of one kind (2D, 2.5D, 3D, 4D, Special) with the settings
// that kind starts with: scale mode, scene rotation, light position, document kind, axes defaults
// and the commands the kind offers.

#include <cstdint>

class DocumentHost;

// The settings a document kind starts with.
struct NewDocumentSettings {
  int32_t documentType;
  int32_t axisScaleMode;
  bool setsLight; // the light's x and y become lightXY (2D documents keep the light)
  float lightXY;
  float roll, pitch, yaw; // the scene rotation
  bool axesDefaults;      // DocumentAxes.SetDefault after BetterFonts is cleared
  bool emptiesReport;     // the report box is emptied even when there were no graphs
};

// The settings of a kind (DocumentType2D .. DocumentType4D); the 2D settings for any other value.
const NewDocumentSettings& SettingsOfNewDocument(int32_t documentType);

// Starts an empty document of the kind. When the document holds graphs it first asks "Save changes
// to file?" (title "Note", Yes, No, Cancel): Cancel, or Yes with a save that did not complete,
// changes nothing at all and returns false. Otherwise every graph is removed (and the report box
// emptied), and the kind's settings and commands are set; returns true.
bool NewDocument(int32_t documentType, DocumentHost& host);
