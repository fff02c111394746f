#include "link/read_result.h"

namespace zq {

void ApplyReadImage(const MemoryImage& image, RadioConfig& cfg, DocumentState& doc, const ImageOptions& options) {
  DecodeImage(image, cfg, options);
  doc.fileName = "new.dat";
  doc.untitled = true;
}

}  // namespace zq
