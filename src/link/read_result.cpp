#include "link/read_result.h"

namespace zq {

bool ApplyCompletedRead(const TransferOutcome& outcome, const MemoryImage& image, RadioConfig& cfg,
                        DocumentState& doc, const ImageOptions& options) {
  if (!outcome.success || outcome.kind != TransferKind::Read) return false;
  DecodeImage(image, cfg, options);
  doc.fileName = "new.dat";
  doc.untitled = true;
  // As when a data file is opened, the document takes the range the configuration holds.
  doc.rangeText = RangeTextOfIndex(cfg.RangeIndex());
  return true;
}

}  // namespace zq
