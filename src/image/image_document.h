#pragma once
// A memory image taken as the current document: what a completed read from the
// radio and an opened raw backup have in common.
#include <string>

#include "config/radio_config.h"
#include "image/image_codec.h"
#include "image/memory_image.h"

namespace zq {

// Rebuilds the configuration from the image and makes the document an untitled
// one of the given name (a later Save asks for a name) with the frequency range
// the configuration holds, as opening a data file does, so that a later save
// writes an identity that agrees with the range.
void AdoptImage(const MemoryImage& image, RadioConfig& cfg, DocumentState& doc, const std::string& fileName,
                const ImageOptions& options = {});

}  // namespace zq
