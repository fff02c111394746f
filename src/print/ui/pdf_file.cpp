#include "print/ui/pdf_file.h"

#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>

#include "print/ui/print_page_setup.h"
#include "widgets/ui_text.h"

namespace zq {
namespace {

constexpr int kPdfDotsPerInch = 300;

}  // namespace

PaintedDocument WritePdfFile(const PrintDocument& doc, const QString& file, int language) {
  QSaveFile out(file);
  if (!out.open(QIODevice::WriteOnly)) return {};
  QPdfWriter writer(&out);
  writer.setPageLayout(
      QPageLayout(QPageSize(QPageSize::A4), PrintOrientation(doc), kPrintMarginsMm, QPageLayout::Millimeter));
  writer.setResolution(kPdfDotsPerInch);
  writer.setTitle(QUtf8(doc.title));
  writer.setCreator(QStringLiteral("ZQ4071"));
  PaintedDocument painted = PaintDocument(doc, writer, language);
  painted.ok = painted.ok && out.commit();
  return painted;
}

}  // namespace zq
