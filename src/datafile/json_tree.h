#pragma once
// The data file pair as the JSON value that dump writes out, for code that
// walks its members instead of reading the text.
#include <nlohmann/json.hpp>

#include "datafile/working_copy.h"

namespace zq {

// Members in file order; the channel records of each group as a list.
nlohmann::ordered_json DocumentJson(const WorkingCopy& stored);

}  // namespace zq
