#pragma once
// The stored layout of the data file pair, described from the same walk the
// readers and writers use: the tables of the file-format document come from here.
#include <cstddef>
#include <string>
#include <vector>

namespace zq {

struct LayoutRow {
  std::size_t offset = 0;
  std::size_t size = 0;
  std::string name;
  std::string form;  // "I16", "2 × I16", "text, 7 characters", "51 × I16 [1-17][0-2]" ...
};

// Every stored member of the settings record, then one row for the reserved tail.
std::vector<LayoutRow> DescribeSettingsRecord();
std::vector<LayoutRow> DescribeChannelRecord();
// Both tables as Markdown, as they appear in docs/data-file-format.md.
std::string LayoutMarkdown();

}  // namespace zq
