#pragma once
// A completed read becomes the current document.
#include "config/radio_config.h"
#include "image/image_codec.h"
#include "image/memory_image.h"
#include "link/transfer_host.h"

namespace zq {

// After a read that ended with success: rebuilds the configuration from the
// image and makes the document the untitled "new.dat" (a later Save asks for a
// name) with the radio's frequency range. Any other outcome leaves both exactly as they were, however
// much of the image arrived. True when the configuration was replaced.
bool ApplyCompletedRead(const TransferOutcome& outcome, const MemoryImage& image, RadioConfig& cfg, DocumentState& doc,
                        const ImageOptions& options = {});

}  // namespace zq
