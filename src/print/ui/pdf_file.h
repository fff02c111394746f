#pragma once
// A printout as a PDF file on A4 paper, fonts embedded. The file is replaced
// only once the whole PDF has been written: a failure leaves it as it was.
#include <QString>

#include "print/ui/print_painter.h"

namespace zq {

PaintedDocument WritePdfFile(const PrintDocument& doc, const QString& file, int language);

}  // namespace zq
