#pragma once
// How a document falls into pages. Every row has the same height, so the pages
// follow from a handful of heights that the painter measures in its own units.
// A table's heading is never left at the foot of a page without a row under it;
// on every page a table continues on, its heading and header row come again.
#include <vector>

#include "print/print_document.h"

namespace zq {

struct PageMetrics {
  int bodyHeight = 0;     // what a page holds between its margins, the footer taken off
  int titleHeight = 0;    // the title and its notes, on the first page only
  int headingHeight = 0;  // a table's heading
  int rowHeight = 0;      // one row, the header row too
  int tableGap = 0;       // space above a table that has something above it on its page
};

// A run of rows [firstRow, endRow) of one table on one page.
struct PageSlice {
  int table = 0;
  int firstRow = 0;
  int endRow = 0;
  bool continued = false;  // the table began on an earlier page
};

struct PrintPage {
  bool withTitle = false;
  std::vector<PageSlice> slices;
};

// At least one page; a page that holds nothing yet takes at least one row even
// when the row is taller than the page, so every document comes to an end.
std::vector<PrintPage> PaginateDocument(const PrintDocument& doc, const PageMetrics& metrics);

}  // namespace zq
