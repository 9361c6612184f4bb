#pragma once
// Pictures of the view: the BMP snapshot read straight from the OpenGL framebuffer (Save As BMP,
// Print, Copy As BMP) and the capture of what a widget shows on screen (animation frames).

#include <QImage>

#include <cstdint>
#include <string>
#include <vector>

class QWidget;

// The bytes of an uncompressed 24-bit BMP file of width x height pixels: the 14-byte file header,
// the 40-byte information header and the rows, bottom row first, each pixel blue, green, red and
// each row padded with zeros to a multiple of 4 bytes. rgbBottomUp holds the pixels as red, green,
// blue bytes, bottom row first, rows of exactly 3 * width bytes.
std::vector<uint8_t> EncodeBmp24(int32_t width, int32_t height,
                                 const std::vector<uint8_t>& rgbBottomUp);

// Writes the view as a 24-bit BMP file: the pixels of the current GL framebuffer from the
// viewport's lower-left corner, lastColumn + 1 wide and height high, cut to the viewport so that
// only the view's own pixels are written. The file is written to a temporary file beside the
// target and renamed over it, so an existing file stays whole until the new one is complete.
// Needs a current context with the view drawn. False when the size is empty, the pixels cannot be
// read or the file cannot be written; problem (when given) then gets the reason, the system's own
// for a file ("Permission denied", "No space left on device").
bool SaveViewAsBmp(const std::string& fileName, int32_t lastColumn, int32_t height,
                   std::string* problem = nullptr);

// A copy of what the widget shows, from (left, top) of its client area (clientOnly) or of the
// whole window with its frame, width x height pixels. A GL view is read from its framebuffer.
// An empty image when nothing can be captured.
QImage CaptureWindow(QWidget* window, bool clientOnly, int32_t left, int32_t top, int32_t width,
                     int32_t height);

// The whole client area of a widget (CaptureWindow with client only, from (0, 0), the widget's
// size).
QImage CapturePictureBox(QWidget* box);
