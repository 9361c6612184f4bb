// Fuzzes the document reader: any bytes, taken as a document file and as a bare document text,
// must be read or refused without a crash, and whatever the reader accepts must come out of the
// writer as a text that the reader accepts again.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "document/DocumentFile.h"
#include "document/DocumentText.h"
#include "model/Cls3.h"
#include "model/Cls8.h"
#include "model/Cls9.h"

namespace {

void ReadAndWriteBack(std::string_view text) {
  std::string problem;
  auto doc = ParseDocumentText(text, Cls3(), &problem);
  if (!doc) {
    if (problem.empty()) std::abort(); // a refusal always says why
    return;
  }
  Cls8 shown;
  for (const auto& g : doc->graphs)
    shown.FunSurfs.Add(g.graph);
  const std::string again = BuildDocumentText(doc->documentType, shown, doc->axes, doc->scale);
  if (!ParseDocumentText(again, Cls3(), &problem)) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::string problem;
  if (auto text = DocumentFile::Decode(bytes, &problem)) ReadAndWriteBack(*text);
  ReadAndWriteBack(bytes);
  return 0;
}
