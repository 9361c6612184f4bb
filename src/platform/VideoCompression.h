#pragma once
// How an animation is compressed when it is written as an AVI video: the codec (uncompressed,
// Motion JPEG or MPEG-4) and a quality from 1 (smallest file) to 100 (best picture), chosen in a
// small dialog before the video is written. The dialog goes through a chooser that tests replace
// with a scripted one, as the message boxes do (Prompter.h).

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

class QWidget;

enum class VideoCodec { Uncompressed, MotionJpeg, Mpeg4 };

struct VideoOptions {
  VideoCodec Codec = VideoCodec::MotionJpeg;
  int32_t Quality = 75; // 1 .. 100; the uncompressed codec has no use for it
};

// The codecs in the order the dialog lists them, with their captions.
struct VideoCodecInfo {
  VideoCodec Codec;
  const char* Caption;
};
const std::vector<VideoCodecInfo>& VideoCodecTable();

class VideoOptionsChooser {
public:
  virtual ~VideoOptionsChooser() = default;
  // Nothing when the user cancels.
  virtual std::optional<VideoOptions> ChooseVideoOptions(QWidget* owner,
                                                         const VideoOptions& initial) = 0;
};

// The chooser in force: the Qt dialog unless a test has set another (nullptr restores it).
VideoOptionsChooser& TheVideoOptionsChooser();
void SetVideoOptionsChooser(VideoOptionsChooser* chooser);

// A scripted stand-in: answers from the front of the list; cancels when the list is empty.
class ScriptedVideoOptionsChooser : public VideoOptionsChooser {
public:
  std::deque<std::optional<VideoOptions>> answers;
  int asked = 0;
  std::optional<VideoOptions> ChooseVideoOptions(QWidget* owner,
                                                 const VideoOptions& initial) override;
};
