// The AVI encoder of VideoWriter, over libavformat, libavcodec and libswscale, built as a module
// that the program loads when it first writes a video.

#include "platform/VideoEncoder.h"

#include <cstdio>

#include <algorithm>
#include <cmath>
#include <memory>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace {

struct State {
  std::string path;
  AVFormatContext* format = nullptr;
  AVCodecContext* codec = nullptr;
  AVStream* stream = nullptr;
  SwsContext* scaler = nullptr;
  AVFrame* frame = nullptr;
  AVPacket* packet = nullptr;
  int32_t width = 0;
  int32_t height = 0;
  int64_t nextPts = 0;
  bool headerWritten = false;
  bool finished = false;

  ~State() {
    if (format && format->pb) avio_closep(&format->pb);
    avformat_free_context(format);
    avcodec_free_context(&codec);
    sws_freeContext(scaler);
    av_frame_free(&frame);
    av_packet_free(&packet);
    if (!finished && !path.empty()) std::remove(path.c_str());
  }
};


std::string AvError(int code) {
  char text[AV_ERROR_MAX_STRING_SIZE] = {};
  av_strerror(code, text, sizeof text);
  return text;
}

// Quality 1 .. 100 as the encoder's quantiser 31 .. 2 (smaller is better).
int Quantiser(int32_t quality) {
  const double q = std::clamp(quality, 1, 100);
  return static_cast<int>(std::lround(31.0 - (q - 1.0) * 29.0 / 99.0));
}


size_t RowBytes(int32_t width) { return (static_cast<size_t>(std::max(width, 0)) * 3 + 3) / 4 * 4; }

class FfmpegEncoder final : public VideoEncoder {
public:
  bool Open(const std::string& path, int32_t width, int32_t height, int32_t framesPerSecond,
            const VideoOptions& options) override;
  bool WriteFrame(const uint8_t* bgrBottomUp, size_t size) override;
  bool Finish() override;
  const std::string& Error() const override { return m_error; }

private:
  bool Fail(const std::string& what, int code = 0);
  bool Drain(bool flushing);
  std::unique_ptr<State> m_state;
  std::string m_error;
};

bool FfmpegEncoder::Fail(const std::string& what, int code) {
  m_error = code != 0 ? what + ": " + AvError(code) : what;
  m_state.reset();
  return false;
}

bool FfmpegEncoder::Open(const std::string& path, int32_t width, int32_t height,
                       int32_t framesPerSecond, const VideoOptions& options) {
  m_state.reset();
  m_error.clear();
  if (width <= 0 || height <= 0 || width > 16384 || height > 16384)
    return Fail("The frames have no usable size.");
  if (framesPerSecond <= 0) return Fail("The frame rate must be at least 1.");

  auto state = std::make_unique<State>();
  State& s = *state;
  s.width = width;
  s.height = height;
  int rc = avformat_alloc_output_context2(&s.format, nullptr, "avi", path.c_str());
  if (rc < 0 || !s.format) return Fail("The AVI format is not available", rc);

  AVCodecID id = AV_CODEC_ID_RAWVIDEO;
  AVPixelFormat pixels = AV_PIX_FMT_BGR24;
  if (options.Codec == VideoCodec::MotionJpeg) {
    id = AV_CODEC_ID_MJPEG;
    pixels = AV_PIX_FMT_YUVJ420P;
  } else if (options.Codec == VideoCodec::Mpeg4) {
    id = AV_CODEC_ID_MPEG4;
    pixels = AV_PIX_FMT_YUV420P;
  }
  const AVCodec* encoder = avcodec_find_encoder(id);
  if (!encoder) return Fail("The chosen compressor is not available.");
  s.stream = avformat_new_stream(s.format, nullptr);
  s.codec = avcodec_alloc_context3(encoder);
  s.frame = av_frame_alloc();
  s.packet = av_packet_alloc();
  if (!s.stream || !s.codec || !s.frame || !s.packet) return Fail("Out of memory.");

  s.codec->width = width;
  s.codec->height = height;
  s.codec->pix_fmt = pixels;
  s.codec->time_base = AVRational{1, framesPerSecond};
  s.codec->framerate = AVRational{framesPerSecond, 1};
  s.codec->gop_size = std::max(1, framesPerSecond);
  if (options.Codec != VideoCodec::Uncompressed) {
    s.codec->flags |= AV_CODEC_FLAG_QSCALE;
    s.codec->global_quality = FF_QP2LAMBDA * Quantiser(options.Quality);
  }
  if (options.Codec == VideoCodec::MotionJpeg) s.codec->color_range = AVCOL_RANGE_JPEG;
  if (s.format->oformat->flags & AVFMT_GLOBALHEADER) s.codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  rc = avcodec_open2(s.codec, encoder, nullptr);
  if (rc < 0) return Fail("The compressor cannot be started", rc);
  rc = avcodec_parameters_from_context(s.stream->codecpar, s.codec);
  if (rc < 0) return Fail("The stream cannot be set up", rc);
  s.stream->time_base = s.codec->time_base;
  s.stream->avg_frame_rate = s.codec->framerate;

  s.frame->format = pixels;
  s.frame->width = width;
  s.frame->height = height;
  rc = av_frame_get_buffer(s.frame, 0);
  if (rc < 0) return Fail("Out of memory", rc);
  // The full-range JPEG layout is the ordinary 4:2:0 layout with the full range of values.
  const bool fullRange = pixels == AV_PIX_FMT_YUVJ420P;
  s.scaler = sws_getContext(width, height, AV_PIX_FMT_BGR24, width, height,
                            fullRange ? AV_PIX_FMT_YUV420P : pixels, SWS_BICUBIC, nullptr, nullptr,
                            nullptr);
  if (!s.scaler) return Fail("The frames cannot be converted for the compressor.");
  if (fullRange) {
    const int* coefficients = sws_getCoefficients(SWS_CS_ITU601);
    sws_setColorspaceDetails(s.scaler, coefficients, 1, coefficients, 1, 0, 1 << 16, 1 << 16);
  }

  rc = avio_open(&s.format->pb, path.c_str(), AVIO_FLAG_WRITE);
  if (rc < 0) return Fail("The file cannot be created", rc);
  s.path = path; // from here on an unfinished file is removed
  rc = avformat_write_header(s.format, nullptr);
  if (rc < 0) return Fail("The file header cannot be written", rc);
  s.headerWritten = true;
  m_state = std::move(state);
  return true;
}

bool FfmpegEncoder::Drain(bool flushing) {
  State& s = *m_state;
  for (;;) {
    const int rc = avcodec_receive_packet(s.codec, s.packet);
    if (rc == AVERROR(EAGAIN) || (flushing && rc == AVERROR_EOF)) return true;
    if (rc < 0) return Fail("The frame cannot be compressed", rc);
    av_packet_rescale_ts(s.packet, s.codec->time_base, s.stream->time_base);
    s.packet->stream_index = s.stream->index;
    const int wr = av_interleaved_write_frame(s.format, s.packet);
    av_packet_unref(s.packet);
    if (wr < 0) return Fail("The file cannot be written", wr);
  }
}

bool FfmpegEncoder::WriteFrame(const uint8_t* bgrBottomUp, size_t size) {
  if (!m_state) return Fail(m_error.empty() ? "The video file is not open." : m_error);
  State& s = *m_state;
  const size_t row = RowBytes(s.width);
  if (!bgrBottomUp || size < row * static_cast<size_t>(s.height))
    return Fail("A frame is smaller than the video.");
  int rc = av_frame_make_writable(s.frame);
  if (rc < 0) return Fail("Out of memory", rc);
  // The last row of the bitmap is the top of the picture: read upwards from it.
  const uint8_t* source[1] = {bgrBottomUp + row * static_cast<size_t>(s.height - 1)};
  const int sourceStride[1] = {-static_cast<int>(row)};
  sws_scale(s.scaler, source, sourceStride, 0, s.height, s.frame->data, s.frame->linesize);
  s.frame->pts = s.nextPts++;
  rc = avcodec_send_frame(s.codec, s.frame);
  if (rc < 0) return Fail("The frame cannot be compressed", rc);
  return Drain(false);
}

bool FfmpegEncoder::Finish() {
  if (!m_state) return Fail(m_error.empty() ? "The video file is not open." : m_error);
  State& s = *m_state;
  int rc = avcodec_send_frame(s.codec, nullptr);
  if (rc < 0) return Fail("The compressor cannot be flushed", rc);
  if (!Drain(true)) return false;
  rc = av_write_trailer(s.format);
  if (rc < 0) return Fail("The file index cannot be written", rc);
  rc = avio_closep(&s.format->pb);
  if (rc < 0) return Fail("The file cannot be closed", rc);
  s.finished = true;
  m_state.reset();
  return true;
}


} // namespace

extern "C" __attribute__((visibility("default"))) VideoEncoder* corvalin_make_video_encoder() {
  return new FfmpegEncoder();
}
