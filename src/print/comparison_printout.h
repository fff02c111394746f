#pragma once
// A comparison on paper: which configuration is the old one and which the
// new, then one row per member that differs, with its old and new value.
#include <string>
#include <vector>

#include "channels/difference_labels.h"
#include "print/print_job.h"

namespace zq {

PrintDocument ComparisonPrint(const std::vector<LabelledDifference>& list, const std::string& beforeName,
                              const std::string& afterName, const PrintContext& context);

}  // namespace zq
