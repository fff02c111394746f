#include "link/read_result.h"

namespace zq {

bool ApplyCompletedRead(const TransferOutcome& outcome, const MemoryImage& image, RadioConfig& cfg,
                        DocumentState& doc, const ImageOptions& options) {
  if (!outcome.success || outcome.kind != TransferKind::Read) return false;
  DecodeImage(image, cfg, options);
  doc.fileName = "new.dat";
  doc.untitled = true;
  return true;
}

}  // namespace zq
