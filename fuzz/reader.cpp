// Fuzzes the document reader: any bytes, taken as a document file and as a bare document text,
// must be read or refused without a crash, and whatever the reader accepts must come out of the
// writer as a text that the reader accepts again. A document whose samples fit a small memory
// budget is then sampled, graph by graph, as opening it would (message boxes answered unseen).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>

#include "document/DocumentFile.h"
#include "document/DocumentText.h"
#include "document/OpenDocument.h"
#include "model/AxesSettings.h"
#include "model/GraphContainer.h"
#include "model/Graph.h"
#include "model/ProgramState.h"
#include "platform/Prompter.h"

namespace {

void ReadAndWriteBack(std::string_view text) {
  std::string problem;
  auto doc = ParseDocumentText(text, AxesSettings(), &problem);
  if (!doc) {
    if (problem.empty()) std::abort(); // a refusal always says why
    return;
  }
  GraphContainer shown;
  for (const auto& g : doc->graphs)
    shown.FunSurfs.Add(g.graph);
  const std::string again = BuildDocumentText(doc->documentType, shown, doc->axes, doc->scale);
  if (!ParseDocumentText(again, AxesSettings(), &problem)) std::abort();

  // Sampling, under a budget small enough to keep each input quick.
  constexpr std::size_t Budget = std::size_t{16} << 20;
  const int32_t frames = FrameCount, speed = FramesPerSecond;
  if (!DocumentSamplingProblem(*doc, Budget)) {
    ScriptedPrompter unseen;
    SetPrompter(&unseen);
    for (const auto& g : doc->graphs) {
      if (g.functionRecord && g.read.animationBlock) FrameCount = g.read.frameCount;
      if (!g.functionRecord || g.graph->GraphType == Vector ||
          g.graph->GraphType == VectorOperation)
        continue;
      try {
        g.graph->GetPoints();
      } catch (const std::exception&) {
        // refused by sampling itself: said in words, no crash
      }
    }
    SetPrompter(nullptr);
  }
  FrameCount = frames;
  FramesPerSecond = speed;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::string problem;
  if (auto text = DocumentFile::Decode(bytes, &problem)) ReadAndWriteBack(*text);
  ReadAndWriteBack(bytes);
  return 0;
}
