#include "platform/VideoWriter.h"

#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <climits>

#include "platform/VideoEncoder.h"

namespace {

// The module's path: beside the program, else where the build put it.
std::string ModuleNextToProgram() {
  char exe[PATH_MAX] = {};
  const ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
  if (n <= 0) return {};
  std::string path(exe, static_cast<size_t>(n));
  return path.substr(0, path.rfind('/') + 1) + "libcorvalin_video.so";
}

// The encoder factory of the video module, loaded once; null with the reason when it cannot be.
MakeVideoEncoderFn EncoderFactory(std::string& problem) {
  static std::string failure;
  static const MakeVideoEncoderFn factory = [] () -> MakeVideoEncoderFn {
    void* module = nullptr;
    for (const std::string& path : {ModuleNextToProgram(), std::string(CORVALIN_VIDEO_MODULE)}) {
      if (path.empty()) continue;
      module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
      if (module) break;
      if (failure.empty()) failure = dlerror();
    }
    if (!module) return nullptr;
    auto make = reinterpret_cast<MakeVideoEncoderFn>(dlsym(module, MakeVideoEncoderSymbol));
    if (!make) failure = dlerror();
    return make;
  }();
  if (!factory) problem = "The video library cannot be loaded: " + failure;
  return factory;
}

} // namespace

VideoWriter::VideoWriter() = default;
VideoWriter::~VideoWriter() = default;

size_t VideoWriter::RowBytes(int32_t width) {
  return (static_cast<size_t>(std::max(width, 0)) * 3 + 3) / 4 * 4;
}

bool VideoWriter::Open(const std::string& path, int32_t width, int32_t height,
                       int32_t framesPerSecond, const VideoOptions& options) {
  m_encoder.reset();
  m_error.clear();
  const MakeVideoEncoderFn make = EncoderFactory(m_error);
  if (!make) return false;
  m_encoder.reset(make());
  if (m_encoder->Open(path, width, height, framesPerSecond, options)) return true;
  return Failed();
}

bool VideoWriter::WriteFrame(const uint8_t* bgrBottomUp, size_t size) {
  if (!m_encoder) return NotOpen();
  return m_encoder->WriteFrame(bgrBottomUp, size) || Failed();
}

bool VideoWriter::Finish() {
  if (!m_encoder) return NotOpen();
  if (!m_encoder->Finish()) return Failed();
  m_encoder.reset();
  return true;
}

void VideoWriter::Abandon() { m_encoder.reset(); }

bool VideoWriter::NotOpen() {
  // The error that closed it stays the one reported.
  if (m_error.empty()) m_error = "The video file is not open.";
  return false;
}

bool VideoWriter::Failed() {
  m_error = m_encoder->Error();
  m_encoder.reset(); // an unfinished file is removed
  return false;
}
