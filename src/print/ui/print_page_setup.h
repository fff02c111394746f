#pragma once
// The paper a printout asks for: margins of 15 mm, and the long side across
// for documents with many columns.
#include <QMarginsF>
#include <QPageLayout>

#include "print/print_document.h"

namespace zq {

inline const QMarginsF kPrintMarginsMm(15, 15, 15, 15);

inline QPageLayout::Orientation PrintOrientation(const PrintDocument& doc) {
  return doc.wide ? QPageLayout::Landscape : QPageLayout::Portrait;
}

}  // namespace zq
