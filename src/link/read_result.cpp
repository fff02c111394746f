#include "link/read_result.h"

#include "image/image_document.h"

namespace zq {

bool ApplyCompletedRead(const TransferOutcome& outcome, const MemoryImage& image, RadioConfig& cfg, DocumentState& doc,
                        const ImageOptions& options) {
  if (!outcome.success || outcome.kind != TransferKind::Read) return false;
  AdoptImage(image, cfg, doc, "new.dat", options);
  return true;
}

}  // namespace zq
