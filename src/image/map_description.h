#pragma once
// The memory-image map described from the same tables the encoder and the
// decoder walk: the tables of docs/memory-image.md come from here, and a test
// keeps the document equal to them.
#include <string>

namespace zq {

std::string ImageMapMarkdown();

}  // namespace zq
