#pragma once
// A completed read becomes the current document.
#include "config/radio_config.h"
#include "image/image_codec.h"
#include "image/memory_image.h"

namespace zq {

// Rebuilds the configuration from the image read and makes the document the
// untitled "new.dat", so that a later Save asks for a name. Only a read that
// ended with success may call this: a failed read leaves the configuration as it was.
void ApplyReadImage(const MemoryImage& image, RadioConfig& cfg, DocumentState& doc, const ImageOptions& options = {});

}  // namespace zq
