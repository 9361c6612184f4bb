#pragma once
// The records of the document text: a function graph's record (Graph::Save), a table graph's record
// (Graph::SaveTable) and the axes record (AxesSettings::Save), written and read by walking the
// record layouts of the one declaration of the properties (GraphProperties.h, AxesSettings.h), so
// that what is written is exactly what is read back.
//
// The document reader and Paste read a record the same way (ReadGraphRecord); Paste differs in a
// few fields (RecordReading::Paste): a name without "@" is the whole name, PointSize is any leading
// number (0 without one), PointHollow is true when its leading number is not 0, the two frame
// tokens of an animated record are passed over, and a field from the Animation token on that
// cannot be read ends the record, keeping what was read (the result says so).

#include <cstdint>
#include <string>
#include <string_view>

#include "document/DocumentTokens.h"
#include "model/ProgramState.h"

class Graph;
class AxesSettings;

enum class RecordReading { Document, Paste };

// Bounds the reader puts on what the program-wide animation state may be set to.
inline constexpr int32_t MaxDocumentFrameCount = 10000;
inline constexpr int32_t MaxDocumentFramesPerSecond = MaxFramesPerSecond;

struct RecordReadResult {
  // False when Paste ended the record at a field it could not read (after the recovery point).
  bool complete = true;
  // The record carried the animation block; its frame tokens (read by the document reader only).
  bool animationBlock = false;
  int32_t frameCount = 0;
  int32_t framesPerSecond = 0;
};

// True when the text is the first token of a function record ("0" .. "3", "7" .. "15", "20" ..
// "23", "31", "32", "41" .. "45") or of a table record ("4", "5", "6"), compared exactly.
bool IsFunctionRecordToken(std::string_view token);
bool IsTableRecordToken(std::string_view token);

// Reads the function record that begins at the reader's position into graph (a new graph with its
// defaults). Throws TokenError for a field that cannot be read, a counted list whose count goes
// beyond its list, or a text that ends inside the record (Paste: only before the Animation token;
// after it the record ends there and the result is not complete).
RecordReadResult ReadGraphRecord(TokenReader& in, Graph& graph,
                                 RecordReading mode = RecordReading::Document);
// Reads the table record that begins at the reader's position into graph; throws TokenError as
// above (a table's StepU and StepV must lie in 0 .. 200).
RecordReadResult ReadTableRecord(TokenReader& in, Graph& graph,
                                 RecordReading mode = RecordReading::Document);

// Reads the axes record at the reader's position into axes: its Show token, and when that is true
// the other carried settings (a title without "@" keeps its value and is not taken). Throws
// TokenError as above.
void ReadAxesRecord(TokenReader& in, AxesSettings& axes);
