#pragma once
// What a printout says, before any paper or painter is involved: a title, a few
// lines under it and a run of tables. The painter decides sizes; the pages a
// document takes follow from print_pages.h.
#include <string>
#include <vector>

namespace zq {

struct PrintTable {
  std::string heading;                         // shown above the table, and again on every page it continues on
  std::vector<std::string> columns;            // the header row; a table without one has no header row
  std::vector<std::vector<std::string>> rows;  // one text per column
};

struct PrintDocument {
  std::string title;
  std::vector<std::string> notes;  // lines under the title: what, which file, when
  std::vector<PrintTable> tables;
  bool wide = false;  // many columns: printed across the long side of the paper
  // A sheet: the notes across the top, the tables in as many columns side by
  // side and with text as large as lets everything fit on one page.
  bool onePage = false;
};

}  // namespace zq
