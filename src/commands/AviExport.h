#pragma once
// The work of the AVI export without its window: the frame files of a capture in a folder of
// their own, the speed of the video, the check of the selected frames and the writing of the
// video with progress.

#include <QTemporaryDir>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/VideoCompression.h"

class QImage;

// The frame files of one capture: "Graph1.bmp", "Graph2.bmp", ... in a temporary folder that is
// removed with everything in it when the store goes.
class FrameStore {
public:
  FrameStore();
  // False when no temporary folder could be made.
  bool Valid() const { return m_dir.isValid(); }
  std::string Path(int32_t number) const;
  // The file of a row of the frame lists, which holds the frame's number as text.
  std::string Path(const std::string& rowText) const;

private:
  QTemporaryDir m_dir;
};

// The 24-bit packed bitmap of a picture (info header, then the rows bottom first, blue, green,
// red, padded to four bytes): what a frame file holds after its file header.
std::vector<uint8_t> PackedDib24(const QImage& picture);

// Saves a picture as a 24-bit BMP frame file; false with the reason in `error`.
bool SaveFrameFile(const QImage& picture, const std::string& path, std::string& error);

// The speed of the video from the text of the speed box: its leading number, rounded to the
// nearest whole number (halves to even), limited to 1 .. 30 frames per second.
int32_t AviFrameRate(const std::string& speedText);

// Checks the frame files of the video before anything is written: every file must load as a
// 24-bit bitmap (a missing or damaged one shows the bitmap object's message) and all must be as
// large as the first (a view resized during the capture shows a message). Gives the frame size.
bool CheckFrameFiles(const std::vector<std::string>& framePaths, int32_t& width, int32_t& height);

// Whether a file name is that of a video being written into the target: "." + the target's name +
// "." + six letters or digits.
bool IsLeftoverPartialName(const std::string& targetPath, const std::string& name);

// Removes, beside the target, what an export that was killed mid-way left: our own regular files
// whose names are those of a video being written into that target. Returns how many went.
int32_t RemoveLeftoverPartials(const std::string& targetPath);

enum class AviOutcome { Written, Cancelled, Failed };

// Writes the frame files, in this order, as an AVI video at `framesPerSecond`. `progress` is told
// how many frames are done out of how many before each frame and once at the end; when it answers
// false the export stops. A cancelled or failed export leaves no file behind; `error` says why a
// failed one failed. What an earlier export into the same target left behind is removed first.
AviOutcome WriteAviFile(const std::string& path, const std::vector<std::string>& framePaths,
                        int32_t framesPerSecond, const VideoOptions& options,
                        const std::function<bool(int32_t done, int32_t total)>& progress,
                        std::string& error);
