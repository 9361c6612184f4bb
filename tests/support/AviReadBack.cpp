#include "support/AviReadBack.h"

#include <cstdlib>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

namespace {

QImage ToImage(const AVFrame* frame) {
  QImage image(frame->width, frame->height, QImage::Format_RGB888);
  AVPixelFormat format = static_cast<AVPixelFormat>(frame->format);
  const bool fullRange = format == AV_PIX_FMT_YUVJ420P;
  if (fullRange) format = AV_PIX_FMT_YUV420P; // the same layout, values over the full range
  SwsContext* sws = sws_getContext(frame->width, frame->height, format, frame->width, frame->height,
                                   AV_PIX_FMT_RGB24, SWS_BILINEAR, nullptr, nullptr, nullptr);
  if (fullRange) {
    const int* coefficients = sws_getCoefficients(SWS_CS_ITU601);
    sws_setColorspaceDetails(sws, coefficients, 1, coefficients, 1, 0, 1 << 16, 1 << 16);
  }
  uint8_t* target[1] = {image.bits()};
  const int stride[1] = {static_cast<int>(image.bytesPerLine())};
  sws_scale(sws, frame->data, frame->linesize, 0, frame->height, target, stride);
  sws_freeContext(sws);
  return image;
}

} // namespace

AviReadBack ReadVideoFile(const std::string& path) {
  AviReadBack result;
  AVFormatContext* format = nullptr;
  if (avformat_open_input(&format, path.c_str(), nullptr, nullptr) < 0) return result;
  if (avformat_find_stream_info(format, nullptr) < 0) {
    avformat_close_input(&format);
    return result;
  }
  const int index = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
  if (index < 0) {
    avformat_close_input(&format);
    return result;
  }
  AVStream* stream = format->streams[index];
  const AVCodec* decoder = avcodec_find_decoder(stream->codecpar->codec_id);
  AVCodecContext* codec = avcodec_alloc_context3(decoder);
  avcodec_parameters_to_context(codec, stream->codecpar);
  avcodec_open2(codec, decoder, nullptr);
  result.Opened = true;
  result.Container = format->iformat->name;
  result.Codec = decoder ? decoder->name : "";
  result.Width = stream->codecpar->width;
  result.Height = stream->codecpar->height;
  result.RateNum = stream->avg_frame_rate.num;
  result.RateDen = stream->avg_frame_rate.den;

  AVPacket* packet = av_packet_alloc();
  AVFrame* frame = av_frame_alloc();
  auto receive = [&] {
    while (avcodec_receive_frame(codec, frame) == 0)
      result.Frames.push_back(ToImage(frame));
  };
  while (av_read_frame(format, packet) >= 0) {
    if (packet->stream_index == index) {
      avcodec_send_packet(codec, packet);
      receive();
    }
    av_packet_unref(packet);
  }
  avcodec_send_packet(codec, nullptr);
  receive();
  av_frame_free(&frame);
  av_packet_free(&packet);
  avcodec_free_context(&codec);
  avformat_close_input(&format);
  return result;
}

QRgb UpperColor(const QImage& frame) { return frame.pixel(frame.width() / 2, frame.height() / 4); }
QRgb LowerColor(const QImage& frame) {
  return frame.pixel(frame.width() / 2, frame.height() * 3 / 4);
}

bool NearColor(QRgb a, QRgb b, int tolerance) {
  return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
         std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}
