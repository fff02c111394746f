#include "image/image_document.h"

namespace zq {

void AdoptImage(const MemoryImage& image, RadioConfig& cfg, DocumentState& doc, const std::string& fileName,
                const ImageOptions& options) {
  DecodeImage(image, cfg, options);
  doc.fileName = fileName;
  doc.untitled = true;
  doc.rangeText = RangeTextOfIndex(cfg.RangeIndex());
}

}  // namespace zq
