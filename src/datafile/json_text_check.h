#pragma once
// A first pass over a JSON text that builds nothing: it finds where the text
// stops being JSON (a number too large for a double included) and refuses
// nesting far deeper than any document of this program, before a parser spends
// memory on millions of nested lists.
#include <string_view>

#include "datafile/json_document.h"

namespace zq {

// The deepest member of a document is a value in a channel record: five levels.
constexpr int kMaxJsonDepth = 8;

// Malformed with the byte offset of the fault, TooDeep, or Ok.
JsonResult CheckJsonText(std::string_view text);

}  // namespace zq
