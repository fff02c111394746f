#pragma once
// Paints a printout page by page onto a printer or a PDF writer: the title on
// the first page, the tables with their header row on every page they reach,
// and "Page n of N" at the foot of each page.
#include <vector>

#include "print/print_document.h"
#include "print/print_pages.h"

class QPagedPaintDevice;

namespace zq {

struct PaintedDocument {
  bool ok = false;      // false when the device could not be painted on
  PageMetrics metrics;  // the heights the pages were cut by, in device pixels
  std::vector<PrintPage> pages;
};

PaintedDocument PaintDocument(const PrintDocument& doc, QPagedPaintDevice& device, int language);

}  // namespace zq
